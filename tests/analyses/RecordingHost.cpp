#include "RecordingHost.h"

#include <cstdio>

namespace lexorin::test {

std::vector<std::string> Rows(const TMemTable& table, const std::vector<std::string>& fields) {
    std::vector<std::string> rows;
    for (int r = 0; r < table.RecordCount(); ++r) {
        const int row = table.RowOf(r);
        std::string line;
        for (const std::string& name : fields) {
            const int field = table.FieldIndex(name);
            if (!line.empty())
                line += '|';
            const TFieldType type = table.Fields()[static_cast<std::size_t>(field)].type;
            if (type == TFieldType::Memo || type == TFieldType::String) {
                line += table.Text(row, field);
            } else if (type == TFieldType::Double) {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%g", table.Double(row, field));
                line += buffer;
            } else {
                line += std::to_string(table.Integer(row, field));
            }
        }
        rows.push_back(line);
    }
    return rows;
}

} // namespace lexorin::test
