#include "ResultGrid.h"

#include "PhraseRows.h"
#include "ResultTables.h"
#include "SortHeader.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace lexorin {

void PrintTo(const TSortHeader::TTitleMarker& m, std::ostream* out) {
    *out << "{" << static_cast<int>(m.marker) << ", " << m.index << "}";
}

namespace {

using TMarker = TSortHeader::TTitleMarker;

const QString TitleHint =
    "Click to sort by this column; \nkeep CTRL pressed to sort by multiple columns";

// A phrase list as the window builds it, with a few rows and a column that
// does not sort.
struct TPhraseList {
    TMemTable table = MakePhraseTable();
    std::unique_ptr<TResultListModel> model;
    std::unique_ptr<TResultGrid> grid;
    int scrolls = 0;

    explicit TPhraseList(const std::vector<std::tuple<const char*, int, int, double>>& rows) {
        table.Open();
        for (const auto& [text, cases, words, dispersion] : rows)
            test::AppendPhrase(table, text, cases, words, dispersion);
        model = std::make_unique<TResultListModel>(
            table,
            std::vector<TResultColumn>{
                {"text", " phrase", 176, 150, true, TNumberFormat::General, TitleHint},
                {"cases", "frequency", 72, 50, true, TNumberFormat::General, TitleHint},
                {"words", "words", 50, 50, true, TNumberFormat::General, TitleHint},
                {"dispersion", "dispersion", 65, 50, true, TNumberFormat::UpToThreeDecimals,
                 TitleHint},
                {"nodeid", "node", 40, 0, false}},
            InitialSortMarkers(table));
        model->ApplySort();
        table.First();
        table.OnAfterScroll([this] { ++scrolls; });
        grid = std::make_unique<TResultGrid>(model.get());
        grid->resize(480, 200);
        grid->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    }

    TSortHeader& Header() const { return *static_cast<TSortHeader*>(grid->horizontalHeader()); }
    QString Text(int recNo) const { return model->index(recNo, 0).data().toString(); }
    void ClickTitle(int column, Qt::KeyboardModifiers modifiers) const {
        const QHeaderView& header = Header();
        QTest::mouseClick(
            header.viewport(), Qt::LeftButton, modifiers,
            QPoint(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                   header.height() / 2));
    }
    QPoint CellCenter(int recNo, int column) const {
        return grid->visualRect(model->index(recNo, column)).center();
    }
};

const std::vector<std::tuple<const char*, int, int, double>> FourPhrases = {
    {"b c", 2, 2, 0.25}, {"a", 5, 1, 3}, {"a b", 4, 2, 1}, {"c", 3, 1, 2}};

TEST(ResultGrid, TitleClicksSortAndShowTheMarkers) {
    TPhraseList list(FourPhrases);
    const int phraseWidth = list.grid->columnWidth(0);
    EXPECT_EQ(list.Header().TitleMarker(2), (TMarker{TSortMarker::Descending, 1}));
    EXPECT_EQ(list.Header().TitleMarker(1), (TMarker{TSortMarker::Descending, 2}));
    EXPECT_EQ(list.Header().TitleMarker(0), (TMarker{TSortMarker::Ascending, 3}));
    EXPECT_EQ(list.Header().TitleMarker(3), TMarker{});
    EXPECT_EQ(list.model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), TitleHint);
    EXPECT_FALSE(list.model->headerData(4, Qt::Horizontal, Qt::ToolTipRole).isValid());
    ASSERT_EQ(list.Text(0), "a b");
    list.table.MoveTo(1); // "b c"
    list.grid->Reload();
    QSignalSpy titles(list.grid.get(), &TResultGrid::TitleClicked);

    list.ClickTitle(1, Qt::NoModifier); // frequency alone, descending before: now ascending
    EXPECT_EQ(titles.count(), 1);
    EXPECT_EQ(list.model->Markers().Keys(), "cases asc");
    EXPECT_EQ(list.Header().TitleMarker(1), (TMarker{TSortMarker::Ascending, 0}))
        << "one sorting column shows no index";
    EXPECT_EQ(list.Header().TitleMarker(2), TMarker{});
    EXPECT_EQ((std::vector<QString>{list.Text(0), list.Text(1), list.Text(2), list.Text(3)}),
              (std::vector<QString>{"b c", "c", "a b", "a"}));
    EXPECT_EQ(list.table.CurrentText("text"), "b c") << "the cursor stays on its row";
    EXPECT_EQ(list.grid->currentIndex().row(), list.table.RecNo());

    list.ClickTitle(3, Qt::ControlModifier);
    EXPECT_EQ(titles.count(), 2);
    EXPECT_EQ(list.model->Markers().Keys(), "cases asc,dispersion desc");
    EXPECT_EQ(list.Header().TitleMarker(1), (TMarker{TSortMarker::Ascending, 1}));
    EXPECT_EQ(list.Header().TitleMarker(3), (TMarker{TSortMarker::Descending, 2}));

    list.ClickTitle(4, Qt::NoModifier); // not sortable
    EXPECT_EQ(titles.count(), 2);
    EXPECT_EQ(list.model->Markers().Keys(), "cases asc,dispersion desc");
    EXPECT_EQ(list.grid->columnWidth(0), phraseWidth) << "re-sorting keeps the widths";
}

TEST(ResultGrid, NumbersAreRightAlignedInColumnsThatHoldThemWhole) {
    TPhraseList list({{"a", 1234567, 2, 1.5}, {"b", 3, 12, 10.25}});
    list.grid->FitColumns();
    const QFontMetrics metrics(list.grid->font());
    for (int column : {1, 2, 3}) {
        const QString widest = list.model->WidestNumber(column);
        EXPECT_GE(list.grid->columnWidth(column), metrics.horizontalAdvance(widest)) << column;
        EXPECT_GE(list.grid->columnWidth(column),
                  list.grid->horizontalHeader()->fontMetrics().horizontalAdvance(
                      list.model->Columns()[static_cast<std::size_t>(column)].title))
            << "the title whole";
    }
    EXPECT_EQ(list.model->WidestNumber(1), "1234567");
    EXPECT_EQ(list.model->WidestNumber(0), "");
    // The number sits at the right edge of its cell: its last column of ink
    // is near the cell's right side.
    const QImage image = list.grid->viewport()->grab().toImage();
    const QRect cell = list.grid->visualRect(list.model->index(1, 2));
    int rightmostInk = -1;
    for (int x = cell.left(); x < cell.right(); ++x)
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
            if (image.pixelColor(x, y).lightness() < 128)
                rightmostInk = x;
    EXPECT_GT(rightmostInk, cell.right() - 8);
}

TEST(ResultGrid, CurrentRowFollowsTheTableBothWays) {
    TPhraseList list(FourPhrases);
    QSignalSpy moved(list.grid.get(), &TResultGrid::CurrentRowChanged);
    EXPECT_EQ(list.grid->currentIndex().row(), 0);

    QTest::mouseClick(list.grid->viewport(), Qt::LeftButton, {}, list.CellCenter(2, 1));
    EXPECT_EQ(list.table.RecNo(), 2);
    EXPECT_EQ(list.scrolls, 1);
    EXPECT_EQ(moved.count(), 1);
    QTest::keyClick(list.grid.get(), Qt::Key_Up);
    EXPECT_EQ(list.table.RecNo(), 1);
    EXPECT_EQ(list.scrolls, 2);
    EXPECT_EQ(moved.count(), 2);

    list.table.MoveTo(3);
    list.scrolls = 0;
    list.grid->Reload();
    EXPECT_EQ(list.grid->currentIndex().row(), 3);
    EXPECT_EQ(list.grid->currentIndex().column(), 1) << "the current column stays";
    EXPECT_EQ(list.table.RecNo(), 3);
    EXPECT_EQ(list.scrolls, 0);
    EXPECT_EQ(moved.count(), 2);

    list.table.Empty();
    list.grid->Reload();
    EXPECT_FALSE(list.grid->currentIndex().isValid());
    list.table.Close();
    list.grid->Reload();
    EXPECT_FALSE(list.grid->currentIndex().isValid());
    EXPECT_EQ(moved.count(), 2);
}

TEST(ResultGrid, CellButtonsOfTheCurrentRow) {
    TPhraseList list(FourPhrases);
    TResultGrid& grid = *list.grid;
    grid.SetCellButtons(
        0, {{"Original phrase"}, {"Positions", QKeySequence(Qt::CTRL | Qt::Key_Down), true}});
    QSignalSpy clicked(&grid, &TResultGrid::ButtonClicked);
    EXPECT_FALSE(grid.ButtonVisible(0, 0));
    EXPECT_FALSE(grid.ButtonVisible(0, 1));
    EXPECT_TRUE(grid.ButtonRect(0, 1).isEmpty());
    EXPECT_FALSE(grid.PressButton(0, 1));
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(clicked.count(), 0) << "a hidden button has no shortcut";

    grid.SetButtonVisible(0, 1, true);
    grid.setCurrentIndex(list.model->index(1, 0));
    list.scrolls = 0;
    const QRect cell = grid.visualRect(list.model->index(1, 0));
    const QRect positions = grid.ButtonRect(0, 1);
    EXPECT_TRUE(grid.ButtonRect(0, 0).isEmpty());
    ASSERT_FALSE(positions.isEmpty());
    EXPECT_TRUE(cell.contains(positions));
    EXPECT_EQ(positions.right(), cell.right());
    grid.SetButtonVisible(0, 0, true);
    EXPECT_EQ(grid.ButtonRect(0, 0).right() + 1, grid.ButtonRect(0, 1).left());
    EXPECT_EQ(grid.ButtonRect(0, 1), positions);

    QHelpEvent help(QEvent::ToolTip, positions.center(),
                    grid.viewport()->mapToGlobal(positions.center()));
    QApplication::sendEvent(grid.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), "Positions");

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, positions.center());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0], (QVariantList{0, 1}));
    EXPECT_EQ(list.table.RecNo(), 1) << "a button press does not move the row";

    // The same place in another row is a plain cell.
    const QPoint below(positions.center().x(),
                       grid.visualRect(list.model->index(2, 0)).center().y());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(list.table.RecNo(), 2);
    EXPECT_EQ(grid.ButtonRect(0, 1).center(), below) << "the buttons move with the row";

    QTest::keyClick(&grid, Qt::Key_Down, Qt::ControlModifier);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked[1], (QVariantList{0, 1}));
    EXPECT_EQ(list.table.RecNo(), 2);

    EXPECT_TRUE(grid.PressButton(0, 0));
    EXPECT_EQ(clicked[2], (QVariantList{0, 0}));
    grid.SetButtonVisible(0, 0, false);
    EXPECT_FALSE(grid.PressButton(0, 0));
    EXPECT_FALSE(grid.PressButton(3, 0)) << "a column without buttons";
    EXPECT_EQ(clicked.count(), 3);
}

TEST(ResultGrid, CtrlEnterAndDoubleClickAreTheDoubleClickAction) {
    TPhraseList list(FourPhrases);
    TResultGrid& grid = *list.grid;
    QSignalSpy action(&grid, &TResultGrid::DoubleClickAction);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool acts;
    } keys[] = {
        {Qt::Key_Return, Qt::ControlModifier, true},
        {Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, true},
        {Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, true},
        {Qt::Key_Return, Qt::NoModifier, false},
        {Qt::Key_Enter, Qt::KeypadModifier, false},
        {Qt::Key_Return, Qt::ShiftModifier, false},
    };
    for (const auto& k : keys) {
        const qsizetype before = action.count();
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers);
        QApplication::sendEvent(&grid, &press);
        EXPECT_EQ(action.count() - before, k.acts ? 1 : 0) << k.key << " " << k.modifiers;
        EXPECT_EQ(press.isAccepted(), k.acts) << "Ctrl+Enter is consumed, Enter passes on";
    }

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, list.CellCenter(2, 2));
    EXPECT_EQ(action.count(), 4);
    EXPECT_EQ(list.table.RecNo(), 2);

    grid.SetCellButtons(0, {{"Original phrase"}});
    grid.SetButtonVisible(0, 0, true);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.ButtonRect(0, 0).center());
    EXPECT_EQ(action.count(), 4) << "a double click on a button is no row double click";
}

TEST(ResultGrid, AutoRowHeightMeasuresOnlyTheRowsInView) {
    const std::string longText =
        "and it came to pass in those days that there went out a decree from caesar augustus "
        "that all the world should be taxed";
    std::vector<std::tuple<const char*, int, int, double>> rows;
    for (int k = 0; k < 300; ++k)
        rows.emplace_back(k == 1 || k == 250 ? longText.c_str() : "a b", 1000 - k, 1, 0);
    TPhraseList list(rows); // sorted by cases desc within one word count: row k stays row k
    TResultGrid& grid = *list.grid;
    ASSERT_EQ(list.Text(250).toStdString(), longText);
    const int line = grid.rowHeight(0);

    grid.SetAutoRowHeight(true);
    EXPECT_GT(grid.rowHeight(1), 3 * line) << "wrapped at the column width";
    EXPECT_EQ(grid.rowHeight(0), line);
    EXPECT_EQ(grid.rowHeight(250), line) << "rows out of view are not measured";

    grid.scrollTo(list.model->index(250, 0));
    EXPECT_GT(grid.rowHeight(250), 3 * line);

    const int narrow = grid.rowHeight(250);
    grid.setColumnWidth(0, 400);
    EXPECT_LT(grid.rowHeight(250), narrow) << "a column resize measures again";
    EXPECT_GT(grid.rowHeight(250), line);

    grid.SetAutoRowHeight(false);
    EXPECT_EQ(grid.rowHeight(250), line);
    EXPECT_EQ(grid.rowHeight(1), line);
}

TEST(ResultGrid, AHugePhraseIsShownCutInARowNoTallerThanTheView) {
    std::string huge;
    for (int k = 0; k < 100000; ++k)
        huge += "word ";
    TPhraseList list({{huge.c_str(), 2, 100000, 0}, {"a b", 3, 2, 0}});
    TResultGrid& grid = *list.grid;
    const QString shown = list.Text(0);
    EXPECT_TRUE(shown.endsWith(QString(QChar(0x2026)) + " (100000 words)"))
        << shown.right(40).toStdString();
    EXPECT_EQ(shown.count(QStringLiteral("word")), static_cast<qsizetype>(CellWords) + 1)
        << "the words it keeps and the count's own";
    EXPECT_EQ(list.model->index(0, 0).data(Qt::EditRole).toString().size(),
              static_cast<qsizetype>(huge.size()))
        << "the whole text is the cell's edit value";
    grid.SetAutoRowHeight(true);
    EXPECT_LE(grid.rowHeight(0), grid.viewport()->height());
    EXPECT_GT(grid.rowHeight(0), grid.viewport()->height() / 2);
    grid.setColumnWidth(0, 20);
    grid.repaint(); // paints the cut cell in a narrow column
    EXPECT_LE(grid.rowHeight(0), grid.viewport()->height());
}

TEST(ResultGrid, StretchedColumnsShareTheWidthAndKeepTheirMinimum) {
    TMemTable table = MakeConcordanceTable();
    TResultListModel model(table, {{"word", "word", 300, 0}, {"count", "frequency", 65, 40}},
                           InitialSortMarkers(table));
    TResultGrid grid(&model, TGridOptions{true, true, false});
    grid.resize(500, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    const auto widths = [&] { return std::make_pair(grid.columnWidth(0), grid.columnWidth(1)); };
    const int width = grid.viewport()->width();
    EXPECT_EQ(widths().first + widths().second, width);
    // Shared out in proportion to the columns' widths: 300 for the first,
    // and for the number column its title with the sort marker's room.
    const QFontMetrics titles = grid.horizontalHeader()->fontMetrics();
    const int second =
        std::max(65, titles.horizontalAdvance(QStringLiteral("frequency")) +
                         titles.horizontalAdvance(QStringLiteral("99")) + titles.height() + 8);
    EXPECT_NEAR(widths().first, width * 300 / (300 + second), 1);

    grid.setColumnWidth(0, 100); // as a user's drag does
    EXPECT_EQ(widths(), std::make_pair(100, width - 100)) << "the last column takes the rest";
    grid.resize(grid.width() / 2, 200);
    EXPECT_NEAR(widths().first, 100 * grid.viewport()->width() / width, 1);
    EXPECT_EQ(widths().first + widths().second, grid.viewport()->width());
    grid.setColumnWidth(0, grid.viewport()->width() - 10);
    EXPECT_GE(widths().second,
              titles.horizontalAdvance(QStringLiteral("frequency")) + titles.height())
        << "no number column narrower than its title and sort marker";
}

TEST(ResultGrid, NumberColumnsShowTheirTitlesAndMarkersWholeBeforeAnyFit) {
    TPhraseList list(FourPhrases);
    const QFontMetrics titles = list.grid->horizontalHeader()->fontMetrics();
    for (int column : {1, 2, 3}) {
        const QString& title = list.model->Columns()[static_cast<std::size_t>(column)].title;
        EXPECT_GE(list.grid->columnWidth(column), titles.horizontalAdvance(title) +
                                                      titles.height() +
                                                      titles.horizontalAdvance(QStringLiteral("9")))
            << title.toStdString();
        list.grid->setColumnWidth(column, 10); // a user's drag, a stored width
        EXPECT_GE(list.grid->columnWidth(column), titles.horizontalAdvance(title))
            << title.toStdString();
    }
}

// A context list whose context column draws its word in teal.
struct TContextList {
    TMemTable table = MakeConcordanceDetailTable();
    std::unique_ptr<TResultListModel> model;
    std::unique_ptr<TResultGrid> grid;

    TContextList() {
        table.Open();
        const auto add = [&](int pos, const char* word, int inner, const char* display) {
            table.Append();
            table.SetInteger("pos", pos);
            table.SetText("word", word);
            table.SetInteger("internalpos", inner);
            table.SetInteger("internallength", static_cast<int>(std::string(word).size()));
            table.SetText("display", display);
            table.Post();
        };
        add(1, "light", 1, "light was good and");
        add(20, "light", 10, "God saw, light was good");
        add(90, "day", 36, "and the evening and the morning were day one");
        add(95, "x", 1, "x");
        model = std::make_unique<TResultListModel>(
            table,
            std::vector<TResultColumn>{
                {"pos", "position", 54, 0, false},
                {"display", "context", 160, 0, false, TNumberFormat::General, {}, true}},
            TSortMarkers({}));
        grid = std::make_unique<TResultGrid>(model.get(), TGridOptions{false, false, false});
        grid->SetContextColumn(1, "internalpos", "internallength");
        grid->resize(300, 160);
        grid->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
        table.MoveTo(3); // no selection colour on the rows looked at
        grid->Reload();
    }

    // The x range of the teal pixels in a row's context cell; {-1, -1} without any.
    std::pair<int, int> TealRange(const QImage& image, int recNo) const {
        const QRect cell = grid->visualRect(model->index(recNo, 1));
        std::pair<int, int> range{-1, -1};
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.green() - c.red() > 40 && std::abs(c.green() - c.blue()) < 20) {
                    range.first = range.first < 0 ? x : std::min(range.first, x);
                    range.second = std::max(range.second, x);
                }
            }
        return range;
    }
};

TEST(ResultGrid, ContextWordIsDrawnInTealOverItsPlace) {
    TContextList list;
    const QImage image = list.grid->viewport()->grab().toImage();
    const QFontMetrics metrics(list.grid->font());
    for (int recNo : {0, 1}) {
        const QString display = list.model->index(recNo, 1).data().toString();
        const int inner = list.table.Integer(list.table.RowOf(recNo), 5);
        const int left = list.grid->visualRect(list.model->index(recNo, 1)).left() + 2 +
                         metrics.horizontalAdvance(display.left(inner - 1));
        const auto [first, last] = list.TealRange(image, recNo);
        EXPECT_GE(first, left) << recNo;
        EXPECT_LE(first, left + 2) << recNo;
        EXPECT_LE(last, left + metrics.horizontalAdvance("light") + 1) << recNo;
    }
    EXPECT_EQ(list.TealRange(image, 2), std::make_pair(-1, -1))
        << "a word cut off by the ellipsis is not drawn";
    EXPECT_EQ(list.model->index(2, 1).data(Qt::ToolTipRole).toString(),
              "and the evening and the morning were day one");
    EXPECT_FALSE(list.model->index(2, 0).data(Qt::ToolTipRole).isValid());
}

// The WCAG contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ResultGrid, ContextWordStandsOutOnTheSelectedRow) {
    TContextList list;
    for (const QColor selection :
         {QColor(48, 140, 198), QColor(20, 40, 120), QColor(200, 220, 255)}) {
        QPalette palette = list.grid->palette();
        palette.setColor(QPalette::Highlight, selection);
        list.grid->setPalette(palette);
        list.table.MoveTo(0);
        list.grid->Reload();
        list.grid->selectRow(0);
        const QImage image = list.grid->viewport()->grab().toImage();
        const QRect cell = list.grid->visualRect(list.model->index(0, 1));
        const QFontMetrics metrics(list.grid->font());
        // The word "light" starts the context.
        double best = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left() + 2; x < cell.left() + 2 + metrics.horizontalAdvance("light");
                 ++x)
                best = std::max(best, Contrast(image.pixelColor(x, y), selection));
        EXPECT_GE(best, 3.0) << selection.name().toStdString();
    }
}

} // namespace
} // namespace lexorin
