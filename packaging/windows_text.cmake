# Writes a text file for Windows users: @VERSION@ filled in, lines ending in CR LF. Stops when
# the text holds anything but ASCII, which Notepad could show wrongly.
#   cmake -DINPUT=<file> -DOUTPUT=<file> -DVERSION=<version> -P windows_text.cmake
file(READ "${INPUT}" text)
if(NOT text MATCHES "^[\t\n\r -~]*$")
  message(FATAL_ERROR "${INPUT} holds characters that are not ASCII")
endif()
string(CONFIGURE "${text}" text @ONLY)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
