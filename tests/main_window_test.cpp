// SPDX-License-Identifier: MIT
#include "command_button.h"
#include "error_report.h"
#include "main_window.h"
#include "main_window_events.h"
#include "output_box.h"
#include "support/oracle.h"

#include "entry_list_model.h"
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <tuple>

namespace {

const QString statementStart = QStringLiteral("Математическата индукция e и метод");
const QString statementEnd = QStringLiteral("Пример: 5 Изход:1+3+5+7+9 = 25\r\n");

// Qt prints its warnings on stderr; what the user does must not cause one.
QStringList messages;
void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    messages.append(message);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        events.Form_Load();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void type(const QString& keys) { QTest::keyClicks(window.input(), keys); }
    void click(int command) { QTest::mouseClick(window.command1(command), Qt::LeftButton); }
    QString shownOutput() const { return window.output()->toPlainText(); }
    QString outputText() { return QString::fromStdU16String(window.Text1(1).text()); }
    QStringList entries() const {
        QStringList shown;
        for (int row = 0; row < window.listModel()->rowCount(); ++row)
            shown.append(window.listModel()->index(row).data().toString());
        return shown;
    }
    QColor pixel(QPoint at) { return window.grab().toImage().pixelColor(at); }

    MainWindow window;
    MainWindowEvents events{window};
};

TEST_F(MainWindowTest, ControlsStandWhereDesigned) {
    const std::vector<std::pair<QWidget*, QRect>> places{
        {window.label1(0), {24, 0, 385, 25}},    {window.label1(2), {24, 32, 73, 25}},
        {window.label1(3), {208, 32, 121, 25}},  {window.input(), {24, 56, 73, 33}},
        {window.command1(0), {104, 64, 89, 25}}, {window.command1(1), {336, 64, 89, 25}},
        {window.list(), {208, 56, 121, 61}},     {window.output(), {8, 120, 425, 113}},
    };
    for (const auto& [widget, pixels] : places)
        EXPECT_EQ(widget->geometry(), pixels) << widget->metaObject()->className();
    EXPECT_EQ(window.size(), QSize(442, 236));
}

TEST_F(MainWindowTest, ColoursAreExact) {
    const std::vector<std::pair<QPoint, QColor>> points{
        {{3, 3}, QColor(128, 128, 255)},    {{440, 100}, QColor(128, 128, 255)},
        {{30, 20}, QColor(255, 192, 128)},  {{400, 5}, QColor(255, 192, 128)},
        {{27, 35}, QColor(255, 192, 128)},  {{325, 35}, QColor(255, 192, 128)},
        {{108, 68}, QColor(128, 255, 128)}, {{188, 84}, QColor(128, 255, 128)},
        {{340, 68}, QColor(255, 128, 128)}, {{420, 84}, QColor(255, 128, 128)},
    };
    for (const auto& [at, colour] : points)
        EXPECT_EQ(pixel(at), colour) << "at " << at.x() << "," << at.y();
}

TEST_F(MainWindowTest, ButtonFacesKeepTheirColourUnderTheMouse) {
    QTest::mouseMove(window.command1(0), QPoint(10, 10));
    QTest::mousePress(window.command1(1), Qt::LeftButton);
    EXPECT_EQ(pixel({108, 68}), QColor(128, 255, 128));
    EXPECT_EQ(pixel({340, 68}), QColor(255, 128, 128));
    QTest::mouseRelease(window.command1(1), Qt::LeftButton);
}

TEST_F(MainWindowTest, TextsAreAsDesigned) {
    EXPECT_TRUE(
        window.windowTitle().endsWith(QStringLiteral("  Математика, математическа индукция")));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("https://")));
    EXPECT_EQ(window.label1(0)->text(),
              QStringLiteral("Математика - математическа индукция, квадрати"));
    EXPECT_EQ(window.label1(2)->text(), QStringLiteral("число N"));
    EXPECT_EQ(window.label1(3)->text(), QStringLiteral("нечетни числа"));
    EXPECT_EQ(window.command1(0)->text(), QStringLiteral("Въведи"));
    EXPECT_EQ(window.command1(1)->text(), QStringLiteral("Чисти"));
    EXPECT_TRUE(window.input()->text().isEmpty());
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(window.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(window.font().pointSize(), 12);
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the offscreen platform of a static Qt for Windows has no fonts (it reads "
                    "them from a folder of its own, not from Windows); the real window under "
                    "Wine shows the design font";
#endif
    // fonts-liberation stands in for Times New Roman, Cyrillic included.
    EXPECT_EQ(QFontInfo(window.font()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(QFontMetrics(window.font()).inFontUcs4(U'Ж'));
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowTest, ShowsTheProblemStatementAtStart) {
    const QString statement = outputText();
    EXPECT_EQ(statement.size(), 667);
    EXPECT_EQ(statement.count(QStringLiteral("\r\n")), 7);
    EXPECT_TRUE(statement.startsWith(statementStart));
    EXPECT_TRUE(statement.endsWith(statementEnd));
    EXPECT_EQ(statement.count(QChar(u'N')), 4);
    EXPECT_EQ(shownOutput(),
              QString(statement).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_GT(window.output()->verticalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, OutputWrapsAndScrollsOnlyVertically) {
    EXPECT_EQ(window.output()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(window.output()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(window.output()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(MainWindowTest, WindowHasAFixedSizeAndOnlyACloseButton) {
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window.minimumSize(), QSize(442, 236));
    EXPECT_EQ(window.maximumSize(), QSize(442, 236));
}

TEST_F(MainWindowTest, FocusStartsInTheInputAndTabsThroughTheDesignedOrder) {
    EXPECT_EQ(QApplication::focusWidget(), window.input());
    const std::vector<QWidget*> order{window.command1(0), window.command1(1), window.list(),
                                      window.output(), window.input()};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
    }
}

TEST_F(MainWindowTest, InputTakesAtMostThreeCharacters) {
    type(QStringLiteral("1234"));
    EXPECT_EQ(window.input()->text(), QStringLiteral("123"));
    EXPECT_EQ(window.input()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST_F(MainWindowTest, EnterAndEscapeStartNothing) {
    const QString before = outputText();
    type(QStringLiteral("5"));
    QTest::keyClick(window.input(), Qt::Key_Return);
    QTest::keyClick(window.input(), Qt::Key_Enter);
    QTest::keyClick(window.input(), Qt::Key_Escape);
    EXPECT_EQ(outputText(), before);
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(window.input()->text(), QStringLiteral("5"));
}

TEST_F(MainWindowTest, EnterOrSpaceOnAFocusedButtonPressesItOnceHoweverLongItIsHeld) {
    // Key events on "Въведи" with their time stamps, and the clicks once each has come. On X11 a
    // held key repeats as a release and a press at the same moment, which Qt does not always
    // mark as a repeat. Events from tools may have no time stamp (0).
    struct Key {
        QEvent::Type type;
        quint64 time;
        bool markedRepeat;
        qsizetype clicks;
    };
    const struct {
        const char* name;
        Qt::Key key;
        std::vector<Key> keys;
    } cases[]{
        {"Return pressed", Qt::Key_Return, {{QEvent::KeyPress, 100, false, 1}}},
        {"keypad Enter pressed", Qt::Key_Enter, {{QEvent::KeyPress, 100, false, 1}}},
        {"repeats marked, as other systems send them",
         Qt::Key_Return,
         {{QEvent::KeyPress, 100, false, 1},
          {QEvent::KeyPress, 600, true, 1},
          {QEvent::KeyPress, 633, true, 1}}},
        {"a repeat as X11 sends it, not marked",
         Qt::Key_Return,
         {{QEvent::KeyPress, 100, false, 1},
          {QEvent::KeyRelease, 600, false, 1},
          {QEvent::KeyPress, 600, false, 1}}},
        {"pressed twice",
         Qt::Key_Enter,
         {{QEvent::KeyPress, 100, false, 1},
          {QEvent::KeyRelease, 200, false, 1},
          {QEvent::KeyPress, 300, false, 2}}},
        {"pressed twice without time stamps",
         Qt::Key_Return,
         {{QEvent::KeyPress, 0, false, 1},
          {QEvent::KeyRelease, 0, false, 1},
          {QEvent::KeyPress, 0, false, 2}}},
        {"Space held, its repeats as X11 sends them: a click when it goes up",
         Qt::Key_Space,
         {{QEvent::KeyPress, 100, false, 0},
          {QEvent::KeyRelease, 600, false, 0},
          {QEvent::KeyPress, 600, false, 0},
          {QEvent::KeyRelease, 633, false, 0},
          {QEvent::KeyPress, 633, false, 0},
          {QEvent::KeyRelease, 700, false, 1}}},
        {"Space pressed twice",
         Qt::Key_Space,
         {{QEvent::KeyPress, 100, false, 0},
          {QEvent::KeyRelease, 200, false, 1},
          {QEvent::KeyPress, 300, false, 1},
          {QEvent::KeyRelease, 400, false, 2}}},
        {"Space pressed twice without time stamps",
         Qt::Key_Space,
         {{QEvent::KeyPress, 0, false, 0},
          {QEvent::KeyRelease, 0, false, 1},
          {QEvent::KeyPress, 0, false, 1},
          {QEvent::KeyRelease, 0, false, 2}}},
    };
    for (const auto& [name, key, keys] : cases) {
        CommandButton enter(QStringLiteral("Въведи"), 0);
        QObject::connect(&enter, &QPushButton::clicked, [this] { events.Command1_Click(0); });
        window.input()->setText(QStringLiteral("5"));
        for (size_t at = 0; at < keys.size(); ++at) {
            const Key& event = keys[at];
            QKeyEvent keyEvent(event.type, key, Qt::NoModifier, QString(), event.markedRepeat);
            keyEvent.setTimestamp(event.time);
            QApplication::sendEvent(&enter, &keyEvent);
            // A repeat's release and press come together; before other events time passes.
            if (at + 1 == keys.size() || event.time == 0 || keys[at + 1].time != event.time)
                QTest::qWait(100);
            EXPECT_EQ(entries().size(), 4 * event.clicks) << name << ", event " << at;
        }
        window.listModel()->clear();
    }
}

TEST_F(MainWindowTest, FocusIsMarkedOnTheButtonsAndTheEmptyList) {
    for (QWidget* control :
         {static_cast<QWidget*>(window.command1(0)), static_cast<QWidget*>(window.command1(1)),
          static_cast<QWidget*>(window.list())}) {
        const QImage unfocused = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        EXPECT_NE(control->grab().toImage(), unfocused) << control->metaObject()->className();
        window.input()->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(control->grab().toImage(), unfocused) << control->metaObject()->className();
    }
}

TEST_F(MainWindowTest, ContextMenusOfTheBoxesAreBulgarian) {
    const std::unique_ptr<QMenu> menus[]{
        std::unique_ptr<QMenu>(window.input()->createStandardContextMenu()),
        std::unique_ptr<QMenu>(window.output()->createStandardContextMenu())};
    const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2}"));
    for (const auto& menu : menus) {
        for (const QAction* action : menu->actions()) {
            // What follows a tab is the shortcut, such as Ctrl+C, the same in every language.
            const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
            EXPECT_FALSE(text.contains(latinWord)) << text.toStdString();
        }
    }
}

TEST_F(MainWindowTest, OutputIsReadOnlyButSelectableAndCopyable) {
    window.output()->setFocus();
    QTest::keyClicks(window.output(), QStringLiteral("xyz"));
    QTest::keyClick(window.output(), Qt::Key_Delete);
    EXPECT_TRUE(outputText().startsWith(statementStart));

    // Copying and screen readers give the text as written, with its own line breaks only, also
    // where the long line of 999's sum wraps.
    for (const QString& input : {QString(), QStringLiteral("999")}) {
        if (!input.isEmpty()) {
            window.input()->setText(input);
            click(0);
        }
        const QString written = outputText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QTest::keyClick(window.output(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.output(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), written) << input.toStdString();
        const QString html = QApplication::clipboard()->mimeData()->html();
        EXPECT_EQ(QTextDocumentFragment::fromHtml(html).toPlainText(), written)
            << input.toStdString();
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(window.output())->textInterface();
        EXPECT_EQ(text->text(0, text->characterCount()), written) << input.toStdString();
    }
}

// Screen readers get the characters, words, sentences, lines and paragraphs of the output as from
// a plain read-only text box of the same size and font, a line being a line on the screen.
TEST_F(MainWindowTest, ScreenReadersReadTheOutputAsFromAPlainTextBox) {
    QPlainTextEdit plain;
    plain.setReadOnly(true);
    plain.setFont(window.output()->font());
    plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plain.resize(window.output()->size());
    plain.show();
    using Boundary = QAccessible::TextBoundaryType;
    using Read = QString (QAccessibleTextInterface::*)(int, Boundary, int*, int*) const;
    const std::pair<const char*, Read> reads[]{
        {"at", &QAccessibleTextInterface::textAtOffset},
        {"before", &QAccessibleTextInterface::textBeforeOffset},
        {"after", &QAccessibleTextInterface::textAfterOffset},
    };
    // Qt's interface of the plain box warns of the position before the first piece.
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    QAccessibleTextInterface* box =
        QAccessible::queryAccessibleInterface(window.output())->textInterface();
    QAccessibleTextInterface* reference =
        QAccessible::queryAccessibleInterface(&plain)->textInterface();
    for (const QString& input : {QString(), QStringLiteral("50")}) {
        window.input()->setText(input);
        if (!input.isEmpty())
            click(0);
        plain.setPlainText(window.output()->shownText());
        for (int offset = 0; offset <= box->characterCount(); ++offset) {
            for (const Boundary boundary :
                 {QAccessible::CharBoundary, QAccessible::WordBoundary,
                  QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                  QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                for (const auto& [name, read] : reads) {
                    int start = 0, end = 0, plainStart = 0, plainEnd = 0;
                    const QString text = (box->*read)(offset, boundary, &start, &end);
                    const QString plainText =
                        (reference->*read)(offset, boundary, &plainStart, &plainEnd);
                    ASSERT_EQ(std::tuple(text.toStdString(), start, end),
                              std::tuple(plainText.toStdString(), plainStart, plainEnd))
                        << name << " offset " << offset << ", boundary " << boundary << ", N "
                        << input.toStdString();
                }
            }
        }
    }
}

// Where the long line wraps, the keys and the mouse treat it as the one paragraph it is: a word
// move goes over the blank at the wrap point and a triple-click selects all of it.
TEST_F(MainWindowTest, AWrappedLineIsOneParagraphToTheKeysAndTheMouse) {
    window.input()->setText(QStringLiteral("999"));
    click(0);
    const QString written = outputText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const int lineTwo = static_cast<int>(written.indexOf(u'\n')) + 1;
    OutputBox& box = *window.output();
    box.setFocus();
    const auto caret = [&box] { return box.textCursor().position(); };
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_End);
    const int wrap = caret(); // before the blank that ends the line
    ASSERT_EQ(written[wrap], u' ');

    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(caret(), wrap + 1);
    QTest::keyClick(&box, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(caret(), written.lastIndexOf(u' ', wrap - 1) + 1);

    const QPoint onLineTwo = box.cursorRect().center();
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, onLineTwo);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, onLineTwo);
    EXPECT_EQ(box.textCursor().selectionStart(), lineTwo);
    EXPECT_EQ(box.textCursor().selectionEnd(), written.size());

    // A triple-click held while new, shorter text goes in selects nothing of the old text.
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, onLineTwo);
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, onLineTwo);
    window.Text1(1).setText(u"5*5 = 1 + ...+ 9\r\n25 = 1 + 3 + 5 + 7 + 9");
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    QTest::mouseMove(box.viewport(), onLineTwo + QPoint(0, 20));
    qInstallMessageHandler(previous);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, onLineTwo + QPoint(0, 20));
    EXPECT_EQ(messages, QStringList());
    EXPECT_LE(box.textCursor().selectionEnd(), box.shownText().size());
}

TEST_F(MainWindowTest, EnterButtonShowsTheCalculation) {
    type(QStringLiteral("5"));
    click(0);
    EXPECT_EQ(outputText(), QStringLiteral("5*5 = 1 + ...+ 9\r\n25 = 1 + 3 + 5 + 7 + 9"));
    EXPECT_EQ(shownOutput(), QStringLiteral("5*5 = 1 + ...+ 9\n25 = 1 + 3 + 5 + 7 + 9"));
    EXPECT_EQ(entries(), QStringList({"3", "5", "7", "9"}));
    EXPECT_EQ(window.input()->text(), QStringLiteral("5"));
}

TEST_F(MainWindowTest, EnterButtonReportsBadAndTooLargeInput) {
    const std::vector<std::pair<QString, std::u16string>> cases{
        {QString(), incorrectInputMessage},
        {QStringLiteral("a5"), incorrectInputMessage},
        {QStringLiteral("4e4"), tooLargeMessage},
    };
    for (const auto& [input, message] : cases) {
        window.input()->setText(input);
        click(0);
        EXPECT_EQ(window.Text1(1).text(), message);
        EXPECT_EQ(window.input()->text(), input);
        EXPECT_TRUE(entries().isEmpty());
    }
}

TEST_F(MainWindowTest, ClearButtonEmptiesInputOutputAndList) {
    type(QStringLiteral("3"));
    click(0);
    click(1);
    EXPECT_TRUE(window.input()->text().isEmpty());
    EXPECT_TRUE(outputText().isEmpty());
    EXPECT_TRUE(shownOutput().isEmpty());
    EXPECT_TRUE(entries().isEmpty());

    // The input keeps its limit, and a new calculation starts from an empty list.
    type(QStringLiteral("2222"));
    EXPECT_EQ(window.input()->text(), QStringLiteral("222"));
    window.input()->setText(QStringLiteral("2"));
    click(0);
    EXPECT_EQ(entries(), QStringList({"3"}));
    EXPECT_EQ(outputText(), QStringLiteral("2*2 = 1 + ...+ 3\r\n4 = 1 + 3"));
}

TEST_F(MainWindowTest, ClearButtonEmptiesAfterMessagesAndTheLargestN) {
    // The largest N takes five characters: lift the limit to put it through the widgets.
    window.input()->setMaxLength(5);
    for (const QString& input : {QString(), QStringLiteral("4e4"), QStringLiteral("32767")}) {
        window.input()->setText(input);
        click(0);
        EXPECT_EQ(window.input()->text(), input);
        click(1);
        EXPECT_TRUE(window.input()->text().isEmpty());
        EXPECT_TRUE(shownOutput().isEmpty());
        EXPECT_EQ(window.listModel()->rowCount(), 0);
    }
}

TEST_F(MainWindowTest, OtherButtonIndexesDoNothing) {
    type(QStringLiteral("5"));
    const QString before = outputText();
    for (const int index : {-1, 2, 32767})
        events.Command1_Click(index);
    EXPECT_EQ(outputText(), before);
    EXPECT_EQ(window.input()->text(), QStringLiteral("5"));
}

TEST_F(MainWindowTest, ClickingALabelReportsItsIndexAndChangesNothing) {
    type(QStringLiteral("7"));
    const QString before = outputText();
    QSignalSpy clicked(&window, &MainWindow::label1Clicked);
    for (const int index : {0, 2, 3})
        QTest::mouseClick(window.label1(index), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 3);
    EXPECT_EQ(clicked[0][0].toInt(), 0);
    EXPECT_EQ(clicked[1][0].toInt(), 2);
    EXPECT_EQ(clicked[2][0].toInt(), 3);
    EXPECT_EQ(outputText(), before);
    EXPECT_EQ(window.input()->text(), QStringLiteral("7"));
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(MainWindowTest, KeysInTheEmptyListPrintNothing) {
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    window.list()->setFocus();
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Copy, QKeySequence::SelectAll, QKeySequence::MoveToNextLine,
          QKeySequence::MoveToEndOfDocument, QKeySequence::MoveToNextPage})
        QTest::keySequence(window.list(), key);
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, QStringList());
}

TEST_F(MainWindowTest, TextBoxesGiveBackExactlyWhatWasWritten) {
    const std::u16string text = u"a\r\nb\r\n\r\nc";
    window.Text1(1).setText(text);
    EXPECT_EQ(window.Text1(1).text(), text);
    EXPECT_EQ(shownOutput(), QStringLiteral("a\nb\n\nc"));
    window.Text1(0).setText(u"12");
    EXPECT_EQ(window.Text1(0).text(), u"12");
    EXPECT_THROW(window.Text1(2), std::out_of_range);
}

TEST_F(MainWindowTest, WrittenOutputShowsFromItsStartWithNothingSelected) {
    std::u16string longText = u"2000*2000 = 1 + ...+ 3999\r\n4000000 = 1";
    for (int term = 0; term < 2000; ++term)
        longText += u" + 3";
    const std::vector<std::u16string> texts{
        longText, u"5*5 = 1 + ...+ 9\r\n25 = 1 + 3 + 5 + 7 + 9", incorrectInputMessage, u"a\r\n",
        u"",
    };
    for (const std::u16string& text : texts) {
        // From a box scrolled to its end with the caret there.
        window.output()->setFocus();
        QTest::keyClick(window.output(), Qt::Key_End, Qt::ControlModifier);
        window.Text1(1).setText(text);
        const QTextCursor caret = window.output()->textCursor();
        EXPECT_EQ(caret.position(), 0) << text.size();
        EXPECT_FALSE(caret.hasSelection()) << text.size();
        EXPECT_EQ(window.output()->verticalScrollBar()->value(), 0) << text.size();
    }
}

TEST_F(MainWindowTest, ControlsHaveNamesForScreenReaders) {
    EXPECT_EQ(window.label1(2)->buddy(), window.input());
    EXPECT_EQ(window.label1(3)->buddy(), window.list());
    EXPECT_FALSE(window.output()->accessibleName().isEmpty());
    EXPECT_EQ(window.command1(0)->accessibleName(), QStringLiteral("Въведи"));
    EXPECT_EQ(window.command1(1)->accessibleName(), QStringLiteral("Чисти"));
    // What it takes, told by the set-up at load, which limits it.
    EXPECT_EQ(window.input()->accessibleDescription(),
              QStringLiteral("естествено число, най-много три знака"));
}

// Screen readers see the list as a table of one column, whose cells are the entries in order.
TEST_F(MainWindowTest, ScreenReadersSeeTheListAsATableOfItsEntries) {
    for (const QString& input : {QStringLiteral("3"), QStringLiteral("2")}) {
        window.input()->setText(input);
        click(0);
    }
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window.list());
    ASSERT_EQ(list->role(), QAccessible::Table);
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("нечетни числа"));
    EXPECT_EQ(std::tuple(table->rowCount(), table->columnCount(), list->childCount()),
              std::tuple(3, 1, 3));
    const QStringList expected{"3", "5", "3"};
    for (int row = 0; row < 3; ++row) {
        QAccessibleInterface* cell = table->cellAt(row, 0);
        ASSERT_NE(cell, nullptr) << row;
        EXPECT_EQ(cell->text(QAccessible::Name), expected[row]) << row;
        EXPECT_EQ(list->indexOfChild(cell), row);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), row);
        EXPECT_EQ(list->child(row), cell);
        const QPoint centre = cell->rect().center();
        EXPECT_EQ(list->childAt(centre.x(), centre.y()), cell) << row;
    }
    EXPECT_EQ(table->cellAt(3, 0), nullptr);
    EXPECT_EQ(table->cellAt(0, 1), nullptr);

    window.list()->setFocus();
    window.list()->setCurrentIndex(window.listModel()->index(1));
    ASSERT_NE(list->focusChild(), nullptr);
    EXPECT_EQ(list->focusChild()->text(QAccessible::Name), QStringLiteral("5"));
    EXPECT_TRUE(list->focusChild()->state().focused);
    EXPECT_TRUE(table->selectRow(2));
    EXPECT_EQ(table->selectedRows(), QList<int>({2}));
    EXPECT_TRUE(table->cellAt(2, 0)->tableCellInterface()->isSelected());
}

TEST_F(MainWindowTest, AnEscapedErrorIsShownInBulgarianAndTheProgramGoesOn) {
    QString title;
    QString text;
    QString detail;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        detail = box->detailedText();
        box->accept();
    });
    reportErrors(window, [] { throw std::runtime_error("broken"); });
    EXPECT_EQ(title, QApplication::applicationName());
    EXPECT_EQ(text, QStringLiteral("Възникна неочаквана грешка."));
    EXPECT_EQ(detail, QStringLiteral("broken"));
}

} // namespace
