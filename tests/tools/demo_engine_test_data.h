// A small parameter file of the demo engine, shared by its tests.
#pragma once

#include <string_view>

namespace demo_engine {

inline constexpr std::string_view kTestParameters =
    "VANDREL-DEMO-PARAMETERS 1\r\n"
    "# a few English words\r\n"
    "language\tenglish\r\n"
    "tags\tDT NN NNS VB VBD VBZ JJ RB IN NP CD SENT\r\n"
    "default-tag\tNN\r\n"
    "sentence-end-tag\tSENT\r\n"
    "proper-noun-tag\tNP\r\n"
    "number-tag\tCD\r\n"
    "\r\n"
    "[lexicon]\r\n"
    "the\tDT\tthe\t100\r\n"
    "dog\tNN\tdog\t10\r\n"
    "saw\tVBD\tsee\t6\r\n"
    "saw\tNN\tsaw\t4\r\n"
    "walk\tVB\twalk\t5\r\n"
    "walk\tNN\twalk\t3\r\n"
    "in spite of\tIN\tin spite of\t2\r\n"
    ".\tSENT\t.\t50\r\n"
    "[endings]\r\n"
    "ly\tRB\t10\r\n"
    "s\tNNS\t8\r\n"
    "s\tVBZ\t2\r\n"
    "[beginnings]\r\n"
    "un\tJJ\t3\r\n"
    "[contexts]\r\n"
    "DT\tVB\t0.1\r\n";

}  // namespace demo_engine
