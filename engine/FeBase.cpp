// The abstract symbol string and the character string.
#include "FeBase.h"

#include "FeErrors.h"
#include "FeStream.h"
#include "FeUtils.h"

#include <algorithm>

namespace lexorin {

// ---- TFeStringObject: nothing is provided here ----

int TFeStringObject::Length() const {
    throw EFeAbstractError("Length");
}
bool TFeStringObject::SymbolsEqual(int, int) const {
    throw EFeAbstractError("SymbolsEqual");
}
int TFeStringObject::CompareSymbols(int, int) const {
    throw EFeAbstractError("CompareSymbols");
}
bool TFeStringObject::SymbolsEqualIn(const TFeStringObject&, int, int) const {
    throw EFeAbstractError("SymbolsEqualIn");
}
int TFeStringObject::SymbolsDiffer(int, int) const {
    throw EFeAbstractError("SymbolsDiffer");
}
int TFeStringObject::SymbolsDifferIn(const TFeStringObject&, int, int) const {
    throw EFeAbstractError("SymbolsDifferIn");
}
std::unique_ptr<TFeStringObject> TFeStringObject::SubString(int, int) const {
    throw EFeAbstractError("SubString");
}
void TFeStringObject::GetText(std::string&) const {
    throw EFeAbstractError("GetText");
}
bool TFeStringObject::IsBlankAt(int) const {
    throw EFeAbstractError("IsBlankAt");
}
void TFeStringObject::SaveToStream(std::ostream&) const {
    throw EFeAbstractError("SaveToStream");
}
std::unique_ptr<TFeStringObject> TFeStringObject::CreateFromStream(std::istream&) const {
    throw EFeAbstractError("CreateFromStream");
}

TPageVector<std::int32_t> TFeStringObject::SymbolKeys() const {
    // Each symbol gets the key of the first earlier symbol equal to it. This
    // costs one comparison per symbol and class; descendants that know their
    // symbols do better.
    const int n = Length();
    TPageVector<std::int32_t> keys(static_cast<std::size_t>(n) + 1, 0);
    std::vector<int> representatives;
    for (int i = 1; i <= n; ++i) {
        std::int32_t key = -1;
        for (std::size_t k = 0; k < representatives.size() && key < 0; ++k)
            if (SymbolsEqual(representatives[k], i))
                key = static_cast<std::int32_t>(k);
        if (key < 0) {
            key = static_cast<std::int32_t>(representatives.size());
            representatives.push_back(i);
        }
        keys[i] = key;
    }
    return keys;
}

// ---- TFePasStringObject ----

TFePasStringObject::TFePasStringObject(std::string text, bool addTerminator)
    : data_(std::move(text)) {
    if (addTerminator)
        data_.push_back('\0');
}

void TFePasStringObject::Normalize() {
    std::string normal;
    normal.reserve(data_.size() + 1);
    normal.push_back(' ');
    const std::size_t n = data_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = data_[i];
        const bool kept = IsWordChar(c) || c == '\0' || i + 1 == n;
        normal.push_back(kept ? c : ' ');
    }
    data_ = std::move(normal);
}

int TFePasStringObject::Length() const {
    return static_cast<int>(data_.size());
}

bool TFePasStringObject::Equal(char a, char b) const {
    return caseSensitive_ ? a == b : SameCharIgnoreCase(a, b);
}

bool TFePasStringObject::SymbolsEqual(int i, int j) const {
    return Equal(data_[i - 1], data_[j - 1]);
}

int TFePasStringObject::CompareSymbols(int i, int j) const {
    const auto a = static_cast<std::uint8_t>(data_[i - 1]);
    const auto b = static_cast<std::uint8_t>(data_[j - 1]);
    return a > b ? 1 : (a < b ? -1 : 0);
}

namespace {

const TFePasStringObject& AsPasString(const TFeStringObject& other) {
    const auto* pas = dynamic_cast<const TFePasStringObject*>(&other);
    if (pas == nullptr)
        throw EFeInvalidCast("a character string was expected");
    return *pas;
}

} // namespace

bool TFePasStringObject::SymbolsEqualIn(const TFeStringObject& other, int i, int j) const {
    return Equal(data_[i - 1], AsPasString(other).data_[j - 1]);
}

int TFePasStringObject::SymbolsDifferIn(const TFeStringObject& other, int i, int j) const {
    return SymbolsEqualIn(other, i, j) ? 0 : 1;
}

std::unique_ptr<TFeStringObject> TFePasStringObject::SubString(int from, int count) const {
    const int start = std::max(from, 1);
    if (count <= 0 || start > Length())
        return std::make_unique<TFePasStringObject>(std::string(), false);
    return std::make_unique<TFePasStringObject>(
        data_.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)), false);
}

void TFePasStringObject::GetText(std::string& s) const {
    s = data_;
}

bool TFePasStringObject::IsBlankAt(int i) const {
    return IsBlank(data_[i - 1]);
}

void TFePasStringObject::SaveToStream(std::ostream& stream) const {
    WriteByte(stream, caseSensitive_ ? 1 : 0);
    WriteInt32(stream, static_cast<std::int32_t>(data_.size()));
    WriteBytes(stream, data_);
}

std::unique_ptr<TFePasStringObject> TFePasStringObject::Read(std::istream& stream) {
    const std::uint8_t flag = ReadByte(stream);
    if (flag > 1)
        throw EFeStreamError("case flag " + std::to_string(flag) + " is neither 0 nor 1");
    const std::int32_t length = ReadInt32(stream);
    auto result = std::make_unique<TFePasStringObject>();
    if (length > 0)
        result->data_ = ReadBytes(stream, length);
    result->caseSensitive_ = flag == 1;
    return result;
}

std::unique_ptr<TFeStringObject> TFePasStringObject::CreateFromStream(std::istream& stream) const {
    return Read(stream);
}

TPageVector<std::uint8_t> TFePasStringObject::ByteSymbolKeys() const {
    // Ignoring case, a letter is keyed by its lower-case form, which is a
    // letter too, so no letter shares a key with a non-letter.
    TPageVector<std::uint8_t> keys(data_.size() + 1, 0);
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const char c = data_[i];
        keys[i + 1] = caseSensitive_ ? static_cast<std::uint8_t>(c) : LowerChar(c);
    }
    return keys;
}

TPageVector<std::int32_t> TFePasStringObject::SymbolKeys() const {
    const TPageVector<std::uint8_t> bytes = ByteSymbolKeys();
    return TPageVector<std::int32_t>(bytes.begin(), bytes.end());
}

} // namespace lexorin
