#ifndef LINEWRIGHT_RTE2INT_DUMP_H
#define LINEWRIGHT_RTE2INT_DUMP_H

#include <ostream>
#include <string>
#include <string_view>

// Prints an intermediate file one command a line, as
// "INDEX name | field | field ...", the name being the command word of the
// clean spelling. False, with a reason in `error`, when the file cannot be
// read or is not an intermediate file (nothing is printed then; the reason
// names the first line that does not parse).
bool DumpIntermediateFile(const std::string& path, std::ostream& out, std::string* error);

// Checks one line of an intermediate file, without its line end: a command
// byte of index -2 to 102, then length-prefixed fields that end exactly at the end of
// the line and hold no ";", ",", CR, LF or byte 0. False with what is wrong.
bool CheckIntermediateLine(std::string_view line, std::string* why);

#endif
