#ifndef LINEWRIGHT_RTE2INT_DUMP_H
#define LINEWRIGHT_RTE2INT_DUMP_H

#include <ostream>
#include <string>

// Prints an intermediate file one command a line, as
// "INDEX name | field | field ...", the name being the command word of the
// clean spelling. False, with a reason in `error`, when the file cannot be
// read.
bool DumpIntermediateFile(const std::string& path, std::ostream& out, std::string* error);

#endif
