#pragma once
// An accounting-system file of many declarations of 03/2024, one taxpayer
// each (about forty records: operations, stock, states, amounts to pay, lists,
// municipalities, suppliers and their notes, rate differentials), and the
// taxpayers it names, registered straight into the tables. Shared by the
// office tests and bench/office_bench.cpp.

#include <QString>

namespace vexa::test {

// The home state's IE number n with its check digit.
QString manyIE(int n);
// Registers the count taxpayers and the accountant the file names, in one unit.
bool registerManyTaxpayers(int count, QString* error);
// Writes the file of count declarations at path.
bool writeManyDeclarations(const QString& path, int count);

} // namespace vexa::test
