#include "ReportExpressions.h"

#include <QRegularExpression>
#include <cmath>

namespace lexorin {

QString ExpandExpressions(const QString& text,
                          const std::function<QString(const QString& expression)>& value) {
    QString result;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(u'[', from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open + 1);
        if (close < 0) {
            result += QStringView(text).mid(from);
            break;
        }
        result += QStringView(text).mid(from, open - from);
        result += value(text.mid(open + 1, close - open - 1));
        from = close + 1;
    }
    return result;
}

bool ParseFieldReference(const QString& expression, QString& table, QString& field) {
    static const QRegularExpression reference(
        QStringLiteral("^[A-Za-z_]\\w*\\.([A-Za-z_]\\w*)\\.\"([^\"]+)\"$"));
    const QRegularExpressionMatch match = reference.match(expression);
    if (!match.hasMatch())
        return false;
    table = match.captured(1);
    field = match.captured(2);
    return true;
}

QString PlainDecimal(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    QString text = QString::number(value, 'f', std::max(0, 14 - magnitude));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

} // namespace lexorin
