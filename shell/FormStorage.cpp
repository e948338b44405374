#include "FormStorage.h"

#include "FeUtils.h"
#include "OptionKeys.h"
#include "ResultGrid.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <iterator>

namespace lexorin {
namespace {

// Show states as the placement keeps them.
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;
// The other values that mean minimised (minimise, show minimised inactive).
constexpr int kShowMinimizedAlso[] = {6, 7};

// "(1920x1080)": the screen's size, as the placement keys carry it.
std::string ScreenSuffix() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : QSize();
    return QStringLiteral("(%1x%2)").arg(size.width()).arg(size.height()).toStdString();
}

int PixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInch()) : 96;
}

std::string RectText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.left() + r.width())
        .arg(r.top() + r.height())
        .toStdString();
}

// "left,top,right,bottom"; nothing unless four integers make a rectangle.
std::optional<QRect> ParseRect(const std::string& text) {
    int v[4] = {};
    std::string_view rest = text;
    for (int k = 0; k < 4; ++k) {
        const std::size_t comma = k < 3 ? rest.find(',') : rest.size();
        if (comma == std::string_view::npos || !ParseInt(TrimControls(rest.substr(0, comma)), v[k]))
            return std::nullopt;
        rest.remove_prefix(std::min(rest.size(), comma + 1));
    }
    const QRect rect(QPoint(v[0], v[1]), QSize(v[2] - v[0], v[3] - v[1]));
    return rect.isValid() ? std::optional(rect) : std::nullopt;
}

} // namespace

std::optional<std::string> TFormStorage::Read(const char* key) const {
    return file_.Read(section_, key);
}

bool TFormStorage::Applies() const {
    int version = 0;
    ReadInteger("FormVersion", version);
    return version >= 0;
}

void TFormStorage::WriteWindow(const QWidget& window) {
    const int show = window.isMaximized()   ? kShowMaximized
                     : window.isMinimized() ? kShowMinimized
                                            : kShowNormal;
    const std::string suffix = ScreenSuffix();
    // The desktop keeps no minimised and maximised positions of its own.
    const std::string minMax = "-1,-1,-1,-1";
    const std::string normal =
        RectText(window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry());
    file_.Write(section_, "FormVersion", "0");
    file_.Write(section_, "Flags", "0");
    file_.Write(section_, "ShowCmd", std::to_string(show));
    file_.Write(section_, "PixelsPerInch", std::to_string(PixelsPerInch()));
    file_.Write(section_, "MinMaxPos" + suffix, minMax);
    file_.Write(section_, "MinMaxPos", minMax);
    file_.Write(section_, "NormPos" + suffix, normal);
    file_.Write(section_, "NormPos", normal);
    file_.Write(section_, "Visible", window.isVisible() ? "1" : "0");
}

void TFormStorage::RestoreWindow(QWidget& window) const {
    int dpi = 0;
    ReadInteger("PixelsPerInch", dpi);
    auto normal = Read(("NormPos" + ScreenSuffix()).c_str());
    if (!normal)
        normal = Read("NormPos");
    const std::optional<QRect> rect = normal ? ParseRect(*normal) : std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    // A rectangle from another screen that would leave the window out of
    // sight is not used.
    if (rect && dpi == PixelsPerInch() &&
        (screen == nullptr || screen->availableGeometry().intersects(*rect)))
        window.setGeometry(
            rect->intersected(QRect(rect->topLeft(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))));
    int show = kShowNormal;
    ReadInteger("ShowCmd", show);
    if (show == kShowMaximized)
        window.setWindowState(Qt::WindowMaximized);
    else if (show == kShowMinimized ||
             std::find(std::begin(kShowMinimizedAlso), std::end(kShowMinimizedAlso), show) !=
                 std::end(kShowMinimizedAlso))
        window.setWindowState(Qt::WindowMinimized);
}

void TFormStorage::WriteCheck(const char* key, bool on) {
    file_.Write(section_, key, CheckText(on));
}

void TFormStorage::ReadCheck(const char* key, bool& on) const {
    if (const auto value = Read(key))
        if (const std::optional<bool> read = ReadCheckText(*value))
            on = *read;
}

void TFormStorage::WriteInteger(const char* key, int value) {
    file_.Write(section_, key, std::to_string(value));
}

void TFormStorage::ReadInteger(const char* key, int& value) const {
    if (const auto text = Read(key))
        if (!ParseInt(*text, value))
            value = 0;
}

void TFormStorage::WriteText(const char* key, const QString& text) {
    file_.Write(section_, key, text.toStdString());
}

void TFormStorage::ReadText(const char* key, QString& text) const {
    if (const auto value = Read(key))
        text = QString::fromStdString(*value);
}

namespace {

std::string ColumnSection(const TResultGrid& grid) {
    return (grid.objectName() + QStringLiteral("Columns")).toStdString();
}

std::string ColumnKey(const TResultGrid& grid, const TResultColumn& column) {
    return (grid.objectName() + QLatin1Char('.') + QString::fromStdString(column.field))
        .toStdString();
}

// Drop-down lists of a column: the grid's usual row count and no width.
constexpr const char* kDropDown = "7,0";

} // namespace

void EraseColumns(TIniFile& file, const TResultGrid& grid) {
    file.EraseSection(ColumnSection(grid));
}

void WriteColumns(TIniFile& file, const TResultGrid& grid) {
    const std::string section = ColumnSection(grid);
    EraseColumns(file, grid);
    const TResultListModel& model = *grid.Model();
    for (int c = 0; c < static_cast<int>(model.Columns().size()); ++c) {
        const TSortMarkers::TColumn marker = model.MarkerOf(c);
        const std::string value = QStringLiteral("%1,%2,%3,%4,%5,%6")
                                      .arg(grid.horizontalHeader()->visualIndex(c))
                                      .arg(grid.columnWidth(c))
                                      .arg(static_cast<int>(marker.marker))
                                      .arg(grid.isColumnHidden(c) ? 0 : 1)
                                      .arg(marker.index)
                                      .arg(QLatin1String(kDropDown))
                                      .toStdString();
        file.Write(section, ColumnKey(grid, model.Columns()[static_cast<std::size_t>(c)]), value);
    }
}

void RestoreColumns(const TIniFile& file, TResultGrid& grid) {
    const std::string section = ColumnSection(grid);
    const TResultListModel& model = *grid.Model();
    for (int c = 0; c < static_cast<int>(model.Columns().size()); ++c) {
        const auto value =
            file.Read(section, ColumnKey(grid, model.Columns()[static_cast<std::size_t>(c)]));
        if (!value)
            continue;
        const std::string_view fields = *value;
        const std::size_t first = fields.find(',');
        const std::size_t second =
            fields.find(',', first == std::string_view::npos ? 0 : first + 1);
        int width = 0;
        if (first != std::string_view::npos &&
            ParseInt(TrimControls(fields.substr(first + 1, second - first - 1)), width) &&
            width > 0)
            grid.setColumnWidth(c, width);
    }
}

} // namespace lexorin
