// The bracketed expressions of report texts: finding and replacing them,
// field references, and numbers as reports print them.
#pragma once

#include <QString>
#include <QStringView>
#include <functional>

namespace lexorin {

inline const QString kPageNumberExpression = QStringLiteral("PAGE#");
inline const QString kTotalPagesExpression = QStringLiteral("TOTALPAGES");

// `text` with every "[expression]" replaced by value(expression). A "[" with
// no "]" after it stays as it is.
QString ExpandExpressions(const QString& text,
                          const std::function<QString(const QString& expression)>& value);

// Splits a field reference such as `fmLexorin.mteRes."text"` into the table's
// name and the field's name; false when the expression is none.
bool ParseFieldReference(const QString& expression, QString& table, QString& field);

// A number in plain decimal form: up to 15 significant digits, no exponent,
// no trailing zeros ("3", "0.5", "0.00001").
QString PlainDecimal(double value);

} // namespace lexorin
