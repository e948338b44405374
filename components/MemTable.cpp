#include "MemTable.h"

#include "FeLocale.h"
#include "FeUtils.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>

namespace lexorin {
namespace {

template <typename T> std::size_t VectorBytes(const std::vector<T>& values) {
    return values.capacity() * sizeof(T);
}

} // namespace

TMemTable::TMemTable(std::string name, std::vector<TFieldDef> fields)
    : name_(std::move(name)), fields_(std::move(fields)), columns_(fields_.size()) {}

void TMemTable::Require(bool condition, const char* what) const {
    if (!condition)
        throw std::logic_error(name_ + ": " + what);
}

int TMemTable::FieldIndex(std::string_view name) const {
    for (std::size_t k = 0; k < fields_.size(); ++k)
        if (fields_[k].name == name)
            return static_cast<int>(k);
    throw std::invalid_argument(name_ + ": no field " + std::string(name));
}

bool TMemTable::IsText(int field) const {
    const TFieldType type = fields_[static_cast<std::size_t>(field)].type;
    return type == TFieldType::Memo || type == TFieldType::String;
}

void TMemTable::Open() {
    active_ = true;
    Scrolled();
}

void TMemTable::Close() {
    if (!active_)
        return;
    for (const TNotify& listener : beforeClose_)
        listener();
    Empty();
    filtered_ = false;
    active_ = false;
}

void TMemTable::Empty() {
    inserting_ = false;
    for (TColumn& column : columns_)
        column = TColumn{};
    spanText_.reset();
    rows_ = 0;
    order_.clear();
    sequence_.clear();
    nextAutoInc_ = 1;
    current_ = -1;
    if (active_)
        Scrolled();
}

int TMemTable::RecordCount() const {
    Require(active_, "the table is closed");
    return static_cast<int>(order_.size());
}

void TMemTable::Append() {
    Require(active_, "the table is closed");
    if (inserting_)
        Post();
    for (std::size_t k = 0; k < columns_.size(); ++k) {
        TColumn& column = columns_[k];
        switch (fields_[k].type) {
        case TFieldType::Memo:
            column.spans.emplace_back();
            column.texts.emplace_back();
            break;
        case TFieldType::String:
            column.texts.emplace_back();
            break;
        case TFieldType::Double:
            column.doubles.push_back(0);
            break;
        case TFieldType::Integer:
        case TFieldType::AutoInc:
            column.integers.push_back(0);
            break;
        }
        column.set.push_back(0);
    }
    inserting_ = true;
}

int TMemTable::PendingField(std::string_view field, bool text) {
    Require(inserting_, "no row is being appended");
    const int k = FieldIndex(field);
    Require(IsText(k) == text, "the value does not fit the field's type");
    columns_[static_cast<std::size_t>(k)].set.back() = 1;
    return k;
}

void TMemTable::SetInteger(std::string_view field, std::int32_t value) {
    const int k = PendingField(field, false);
    TColumn& column = columns_[static_cast<std::size_t>(k)];
    if (fields_[static_cast<std::size_t>(k)].type == TFieldType::Double)
        column.doubles.back() = value;
    else
        column.integers.back() = value;
}

void TMemTable::SetDouble(std::string_view field, double value) {
    const int k = PendingField(field, false);
    Require(fields_[static_cast<std::size_t>(k)].type == TFieldType::Double,
            "the value does not fit the field's type");
    columns_[static_cast<std::size_t>(k)].doubles.back() = value;
}

std::string_view TMemTable::Fitted(int field, std::string_view value) const {
    const TFieldDef& def = fields_[static_cast<std::size_t>(field)];
    if (def.type != TFieldType::String || value.size() <= static_cast<std::size_t>(def.size))
        return value;
    std::size_t end = static_cast<std::size_t>(def.size);
    // UTF-8 is cut between characters, never inside one.
    while (def.utf8 && end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    return value.substr(0, end);
}

void TMemTable::SetText(std::string_view field, std::string_view value) {
    const int k = PendingField(field, true);
    columns_[static_cast<std::size_t>(k)].texts.back() = std::string(Fitted(k, value));
}

void TMemTable::SetSpanText(std::shared_ptr<const std::string> text) {
    spanText_ = std::move(text);
}

void TMemTable::SetSpan(std::string_view field, std::size_t start, std::size_t length) {
    const int k = PendingField(field, true);
    Require(fields_[static_cast<std::size_t>(k)].type == TFieldType::Memo, "a span is a memo");
    Require(spanText_ && start <= spanText_->size() && length <= spanText_->size() - start,
            "the span is outside the span text");
    TColumn& column = columns_[static_cast<std::size_t>(k)];
    column.spans.back() = {start, length};
    column.texts.back().clear();
    column.set.back() = 2;
}

void TMemTable::ReplaceText(int row, std::string_view field, std::string_view value) {
    const int k = FieldIndex(field);
    Require(IsText(k), "not a text field");
    Require(row >= 0 && row < rows_ && !inserting_, "no such row");
    TColumn& column = columns_[static_cast<std::size_t>(k)];
    column.texts[static_cast<std::size_t>(row)] = std::string(Fitted(k, value));
    column.set[static_cast<std::size_t>(row)] = 1;
}

void TMemTable::Delete() {
    Require(active_ && !inserting_ && current_ >= 0, "no current record");
    const int row = RowOf(current_);
    for (TColumn& column : columns_) {
        const auto at = static_cast<std::ptrdiff_t>(row);
        if (!column.texts.empty())
            column.texts.erase(column.texts.begin() + at);
        if (!column.spans.empty())
            column.spans.erase(column.spans.begin() + at);
        if (!column.doubles.empty())
            column.doubles.erase(column.doubles.begin() + at);
        if (!column.integers.empty())
            column.integers.erase(column.integers.begin() + at);
        column.set.erase(column.set.begin() + at);
    }
    --rows_;
    for (std::vector<int>* ids : {&order_, &sequence_}) {
        ids->erase(std::remove(ids->begin(), ids->end(), row), ids->end());
        for (int& id : *ids)
            if (id > row)
                --id;
    }
    current_ = std::min(current_, static_cast<int>(order_.size()) - 1);
    Scrolled();
}

void TMemTable::Post() {
    Require(inserting_, "no row is being appended");
    for (std::size_t k = 0; k < columns_.size(); ++k)
        if (fields_[k].type == TFieldType::AutoInc) {
            columns_[k].integers.back() = nextAutoInc_;
            columns_[k].set.back() = 1;
        }
    ++nextAutoInc_;
    inserting_ = false;
    const int row = rows_++;
    sequence_.push_back(row);
    if (!filtered_ || !filter_ || filter_(*this, row)) {
        order_.push_back(row);
        current_ = static_cast<int>(order_.size()) - 1;
        Scrolled();
    }
}

void TMemTable::Cancel() {
    if (!inserting_)
        return;
    for (std::size_t k = 0; k < columns_.size(); ++k) {
        TColumn& column = columns_[k];
        if (fields_[k].type == TFieldType::Memo)
            column.spans.pop_back();
        if (IsText(static_cast<int>(k)))
            column.texts.pop_back();
        else if (fields_[k].type == TFieldType::Double)
            column.doubles.pop_back();
        else
            column.integers.pop_back();
        column.set.pop_back();
    }
    inserting_ = false;
}

void TMemTable::First() {
    current_ = order_.empty() ? -1 : 0;
    Scrolled();
}

void TMemTable::MoveTo(int recNo) {
    Require(recNo >= 0 && recNo < static_cast<int>(order_.size()), "no such record");
    current_ = recNo;
    Scrolled();
}

void TMemTable::Scrolled() {
    if (scrollEventsSuspended_)
        return;
    for (const TNotify& listener : afterScroll_)
        listener();
}

bool TMemTable::IsNull(int row, int field) const {
    return columns_[static_cast<std::size_t>(field)].set[static_cast<std::size_t>(row)] == 0;
}

std::int32_t TMemTable::Integer(int row, int field) const {
    const TColumn& column = columns_[static_cast<std::size_t>(field)];
    if (fields_[static_cast<std::size_t>(field)].type == TFieldType::Double)
        return static_cast<std::int32_t>(column.doubles[static_cast<std::size_t>(row)]);
    return column.integers[static_cast<std::size_t>(row)];
}

double TMemTable::Double(int row, int field) const {
    const TColumn& column = columns_[static_cast<std::size_t>(field)];
    if (fields_[static_cast<std::size_t>(field)].type == TFieldType::Double)
        return column.doubles[static_cast<std::size_t>(row)];
    return column.integers[static_cast<std::size_t>(row)];
}

std::string_view TMemTable::TextView(int row, int field) const {
    Require(IsText(field), "not a text field");
    const TColumn& column = columns_[static_cast<std::size_t>(field)];
    const auto at = static_cast<std::size_t>(row);
    if (column.set[at] != 2)
        return column.texts[at];
    const TSpan& span = column.spans[at];
    return std::string_view(*spanText_).substr(span.start, span.length);
}

std::string TMemTable::Text(int row, int field) const {
    return std::string(TextView(row, field));
}

std::int32_t TMemTable::CurrentInteger(std::string_view field) const {
    Require(current_ >= 0, "no current record");
    return Integer(RowOf(current_), FieldIndex(field));
}

double TMemTable::CurrentDouble(std::string_view field) const {
    Require(current_ >= 0, "no current record");
    return Double(RowOf(current_), FieldIndex(field));
}

std::string_view TMemTable::CurrentTextView(std::string_view field) const {
    if (current_ < 0)
        return {};
    return TextView(RowOf(current_), FieldIndex(field));
}

std::string TMemTable::CurrentText(std::string_view field) const {
    return std::string(CurrentTextView(field));
}

std::size_t TMemTable::ByteCount() const {
    std::size_t bytes = VectorBytes(order_) + VectorBytes(sequence_) + VectorBytes(columns_);
    for (const TColumn& column : columns_) {
        bytes += VectorBytes(column.integers) + VectorBytes(column.doubles) +
                 VectorBytes(column.texts) + VectorBytes(column.spans) + VectorBytes(column.set);
        for (const std::string& text : column.texts)
            if (text.capacity() > std::string().capacity()) // beyond the in-place buffer
                bytes += text.capacity() + 1;
    }
    if (spanText_)
        bytes += spanText_->capacity() + 1;
    return bytes;
}

// A number whose unsigned order is the key's order: 0 for an unset number
// or an empty text; numbers in their order (-0 as 0, NaN last); a text's
// CollationPrefix, which orders texts unless it is equal.
std::uint64_t TMemTable::SortCode(int row, int field) const {
    if (IsText(field)) {
        const std::string_view text = TextView(row, field);
        return text.empty() || textOrder_ ? 0 : CollationPrefix(text);
    }
    const TColumn& column = columns_[static_cast<std::size_t>(field)];
    const auto at = static_cast<std::size_t>(row);
    if (column.set[at] == 0)
        return 0;
    if (fields_[static_cast<std::size_t>(field)].type != TFieldType::Double) {
        const std::int64_t shifted = std::int64_t{column.integers[at]} + (std::int64_t{1} << 31);
        return static_cast<std::uint64_t>(shifted) + 1;
    }
    const double value = column.doubles[at];
    if (std::isnan(value))
        return std::numeric_limits<std::uint64_t>::max();
    const auto bits = std::bit_cast<std::uint64_t>(value == 0 ? 0.0 : value);
    constexpr std::uint64_t sign = std::uint64_t{1} << 63;
    return bits & sign ? ~bits : bits | sign;
}

void TMemTable::Sort(std::string_view sortKeys) {
    struct TKey {
        int field;
        bool descending;
        bool text;
    };
    std::vector<TKey> keys;
    for (std::string_view rest = sortKeys; !TrimControls(rest).empty();) {
        const std::size_t comma = rest.find(',');
        std::string_view item = TrimControls(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (item.empty())
            continue;
        bool descending = false;
        const std::size_t blank = item.find(' ');
        if (blank != std::string_view::npos) {
            const std::string_view direction = TrimControls(item.substr(blank + 1));
            Require(direction == "asc" || direction == "desc", "a direction is asc or desc");
            descending = direction == "desc";
            item = item.substr(0, blank);
        }
        const int field = FieldIndex(item);
        keys.push_back({field, descending, IsText(field)});
    }
    if (keys.empty())
        return;
    const int currentRow = current_ >= 0 ? RowOf(current_) : -1;
    // Each row's keys are read once as sort codes, one block per row in the
    // current order, and the places are sorted by the codes up to the first
    // text key. A text's code holds only its first characters, so each run
    // of rows equal so far is then sorted from that key on by the texts
    // themselves and the codes of the later keys.
    const std::size_t width = keys.size();
    std::vector<std::uint64_t> codes;
    codes.reserve(sequence_.size() * width);
    for (const int row : sequence_)
        for (const TKey& key : keys) {
            const std::uint64_t code = SortCode(row, key.field);
            codes.push_back(key.descending ? ~code : code);
        }
    const std::size_t firstText = static_cast<std::size_t>(
        std::find_if(keys.begin(), keys.end(), [](const TKey& key) { return key.text; }) -
        keys.begin());
    const std::size_t leading = std::min(firstText + 1, width);
    const auto block = [&](std::uint32_t place) { return codes.data() + place * width; };
    std::vector<std::uint32_t> places(sequence_.size());
    std::iota(places.begin(), places.end(), 0U);
    std::stable_sort(places.begin(), places.end(), [&](std::uint32_t a, std::uint32_t b) {
        return std::lexicographical_compare(block(a), block(a) + leading, block(b),
                                            block(b) + leading);
    });
    const auto byTheRest = [&](std::uint32_t a, std::uint32_t b) {
        for (std::size_t k = firstText; k < width; ++k) {
            const TKey& key = keys[k];
            int c = 0;
            if (key.text) {
                const std::string_view x = TextView(sequence_[a], key.field);
                const std::string_view y = TextView(sequence_[b], key.field);
                c = textOrder_ ? textOrder_(x, y) : CompareTextCaseSensitive(x, y);
            } else if (block(a)[k] != block(b)[k])
                return block(a)[k] < block(b)[k];
            if (c != 0)
                return key.descending ? c > 0 : c < 0;
        }
        return false;
    };
    for (auto from = places.begin(); firstText < width && from != places.end();) {
        const auto to = std::find_if(from + 1, places.end(), [&](std::uint32_t place) {
            return !std::equal(block(*from), block(*from) + leading, block(place));
        });
        if (to - from > 1)
            std::stable_sort(from, to, byTheRest);
        from = to;
    }
    std::vector<int> sorted;
    sorted.reserve(places.size());
    for (const std::uint32_t place : places)
        sorted.push_back(sequence_[place]);
    sequence_ = std::move(sorted);
    RebuildOrder();
    const auto at = std::find(order_.begin(), order_.end(), currentRow);
    current_ =
        at == order_.end() ? (order_.empty() ? -1 : 0) : static_cast<int>(at - order_.begin());
    Scrolled();
}

void TMemTable::SetFiltered(bool filtered) {
    filtered_ = filtered;
    RebuildOrder();
    current_ = order_.empty() ? -1 : 0;
    if (active_)
        Scrolled();
}

void TMemTable::RebuildOrder() {
    order_.clear();
    for (int row : sequence_)
        if (!filtered_ || !filter_ || filter_(*this, row))
            order_.push_back(row);
}

} // namespace lexorin
