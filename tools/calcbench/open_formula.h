#pragma once
// A formula as the book prints it (without "=") in the syntax of OpenDocument files:
// "of:=" ahead, references in brackets with the sheet before a dot ([.A1], ['Geo A'.B2:.C3]),
// ';' between arguments and TRUE/FALSE as the functions they are there. Everything else (numbers,
// texts, operators, function names, error constants) reads the same in both.

#include <string>
#include <string_view>

namespace pellavan::calcbench {

std::string to_open_formula(std::string_view formula);

}  // namespace pellavan::calcbench
