// The comma-separated fields of an archive command line ("R,       1,  5.00000000    ,",
// "SFE,12,1,PRES,,100"), for the readers that take their numbers by field rather than by
// column.
#pragma once

#include <string>
#include <vector>

// The fields of the line, each without the blanks around it; the line end is not part of the
// last one. Field 0 is the command.
std::vector<std::string> commaFields(const std::string& line);

// Field `index`, or an empty one when the line has fewer fields.
std::string fieldAt(const std::vector<std::string>& fields, size_t index);

// Reads a whole field as a number; false for a blank field and for text ("R5.0", "ALL").
bool numberField(const std::string& field, double& value);

// Reads a whole field as a number that is an int; false otherwise.
bool integerField(const std::string& field, int& value);

// True when `word` is `upperCase` in any mix of cases (commands and labels are case blind).
bool sameWord(const std::string& word, const char* upperCase);
