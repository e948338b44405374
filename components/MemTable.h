// A small in-memory table: typed fields, rows stored column by column, a
// cursor, appending with post and cancel, sorting by a list of sort keys,
// a record filter and change notifications.
//
// A memo value is either a string of its own or a span: a stretch of one text
// the table shares (SetSpanText), kept as where it starts and how long it is,
// so that rows whose values overlap cost no more than their two numbers.
//
// Rows are addressed in two ways: a record number is a 0-based place in the
// table's current order among the rows that pass the filter (what a grid
// shows); a row id is the row's place in storage, which sorting reorders and
// filtering does not.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

enum class TFieldType { Memo, String, Integer, Double, AutoInc };

struct TFieldDef {
    std::string name;
    TFieldType type;
    int size = 0; // String: the most characters a value keeps
    // Texts in UTF-8 rather than in the bytes of the text's page: words that
    // come from another text.
    bool utf8 = false;
};

class TMemTable {
public:
    using TRowFilter = std::function<bool(const TMemTable& table, int row)>;
    using TNotify = std::function<void()>;

    TMemTable(std::string name, std::vector<TFieldDef> fields);

    const std::string& Name() const { return name_; }
    const std::vector<TFieldDef>& Fields() const { return fields_; }
    // Index of a field by name; an unknown name is an error.
    int FieldIndex(std::string_view name) const;

    bool Active() const { return active_; }
    void Open();
    // Closing tells the before-close listeners first, then drops every row
    // and switches the filter off.
    void Close();
    // Removes every row; the table stays open.
    void Empty();

    int RecordCount() const; // rows that pass the filter
    int RowCount() const { return rows_; }

    // Appending: Append starts a new row, SetField fills it, Post stores it
    // (and makes it the current row), Cancel drops it.
    void Append();
    bool Inserting() const { return inserting_; }
    void SetInteger(std::string_view field, std::int32_t value);
    void SetDouble(std::string_view field, double value);
    void SetText(std::string_view field, std::string_view value);
    // The text the spans of every memo field point into; kept until the
    // table is emptied or closed.
    void SetSpanText(std::shared_ptr<const std::string> text);
    // Sets a memo field of the new row to `length` characters of the span
    // text from `start`.
    void SetSpan(std::string_view field, std::size_t start, std::size_t length);
    void Post();
    void Cancel();
    // Changes a text field of a stored row in place.
    void ReplaceText(int row, std::string_view field, std::string_view value);
    // Removes the current row; the row after it (or else the one before)
    // becomes current.
    void Delete();

    // The cursor, as a record number; -1 on an empty table.
    int RecNo() const { return current_; }
    void First();
    void MoveTo(int recNo);
    int RowOf(int recNo) const { return order_[static_cast<std::size_t>(recNo)]; }

    // Field values of a stored row; a field never set reads as 0 or empty.
    bool IsNull(int row, int field) const;
    std::int32_t Integer(int row, int field) const;
    double Double(int row, int field) const;
    std::string Text(int row, int field) const;
    // A text value where it is kept, without a copy: valid until the row or
    // the span text changes.
    std::string_view TextView(int row, int field) const;
    // The same for the current row, by field name.
    std::int32_t CurrentInteger(std::string_view field) const;
    double CurrentDouble(std::string_view field) const;
    std::string CurrentText(std::string_view field) const;
    std::string_view CurrentTextView(std::string_view field) const;

    // The memory the rows take: values, spans, the orders and the span text.
    std::size_t ByteCount() const;

    // Sorts by keys such as "words desc,cases desc,text asc".
    // Numbers compare numerically, text alphabetically (case decides only
    // between otherwise equal texts); an empty value comes before any other.
    // The sort is stable; no keys leave the order as it is.
    void Sort(std::string_view sortKeys);
    // Texts sort by this comparison instead of the engine's collation (a
    // table of UTF-8 words, say); it is negative, zero or positive.
    void SetTextOrder(std::function<int(std::string_view, std::string_view)> compare) {
        textOrder_ = std::move(compare);
    }

    void SetFilter(TRowFilter filter) { filter_ = std::move(filter); }
    bool Filtered() const { return filtered_; }
    // Switching the filter on evaluates it for every row.
    void SetFiltered(bool filtered);

    void OnBeforeClose(TNotify listener) { beforeClose_.push_back(std::move(listener)); }
    void OnAfterScroll(TNotify listener) { afterScroll_.push_back(std::move(listener)); }
    // While suspended, moving the cursor tells no after-scroll listener.
    void SuspendScrollEvents(bool suspended) { scrollEventsSuspended_ = suspended; }
    bool ScrollEventsSuspended() const { return scrollEventsSuspended_; }

private:
    struct TSpan {
        std::size_t start = 0;
        std::size_t length = 0;
    };
    // set: 0 for a value never set, 1 for a value kept, 2 for a span
    struct TColumn {
        std::vector<std::int32_t> integers;
        std::vector<double> doubles;
        std::vector<std::string> texts;
        std::vector<TSpan> spans; // memo fields only
        std::vector<std::uint8_t> set;
    };
    bool IsText(int field) const;
    void Require(bool condition, const char* what) const;
    int PendingField(std::string_view field, bool text);
    // The value as a field keeps it: a string field cut to its size.
    std::string_view Fitted(int field, std::string_view value) const;
    void RebuildOrder();
    void Scrolled();
    std::uint64_t SortCode(int row, int field) const;

    std::string name_;
    std::vector<TFieldDef> fields_;
    std::vector<TColumn> columns_;
    std::shared_ptr<const std::string> spanText_;
    int rows_ = 0;
    std::vector<int> order_;    // row ids in the current order, filtered
    std::vector<int> sequence_; // row ids in the current order, all rows
    int current_ = -1;
    bool active_ = false;
    bool inserting_ = false;
    bool filtered_ = false;
    bool scrollEventsSuspended_ = false;
    std::int32_t nextAutoInc_ = 1;
    TRowFilter filter_;
    std::vector<TNotify> beforeClose_;
    std::vector<TNotify> afterScroll_;
    std::function<int(std::string_view, std::string_view)> textOrder_;
};

} // namespace lexorin
