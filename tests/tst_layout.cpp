// Every window and page at the default font and at larger application fonts, set at start or
// while the program runs, on the screen of 1280x800 that CTest gives this test: captions fit,
// fields show their initial text whole, no two controls lie over each other, every tab
// caption is whole, no text that never scrolls is cut, no page needs scrolling to reach its
// controls, and no window needs more than the screen.
#include "support/Fixture.h"
#include "support/PageViewTestMain.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QtTest>

#include <algorithm>

namespace {

// Controls that lie over others by design: the welcome panel over the pages, and the
// post-editor's toolbar backgrounds under its pictures.
bool overlapsByDesign(const QWidget* widget) {
    static const QStringList kBackgrounds{QStringLiteral("Image13"), QStringLiteral("Image14"),
                                          QStringLiteral("Image15")};
    return widget->objectName() == QLatin1String("Panel8") ||
           (widget->window()->objectName() == QLatin1String("TForm7") &&
            kBackgrounds.contains(widget->objectName()));
}

QString where(const QWidget* widget) {
    QStringList path;
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
        if (w->isWindow())
            break;
    }
    return path.join(QLatin1Char('/'));
}

// The width a line edit has for its text.
int textRoom(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    constexpr int kInnerMargin = 2; // each side, inside the contents
    return contents.width() - margins.left() - margins.right() - 2 * kInnerMargin;
}

// A plain container: its first Qt class is QWidget, QFrame or QGroupBox (not one of Qt's
// compound widgets, which place their parts themselves).
bool plainContainer(const QWidget* widget) {
    const QMetaObject* type = widget->metaObject();
    while (type && !QByteArray(type->className()).startsWith('Q'))
        type = type->superClass();
    const QByteArray name = type ? QByteArray(type->className()) : QByteArray();
    return name == "QWidget" || name == "QFrame" || name == "QGroupBox";
}

class LayoutCheck {
public:
    void window(QWidget* top) {
        const QSize minimum = top->minimumSize().expandedTo(top->minimumSizeHint());
        if (minimum.width() > 1280 || minimum.height() > 800)
            problem(
                top,
                QStringLiteral("needs at least %1x%2").arg(minimum.width()).arg(minimum.height()));
        const QRect frame = top->frameGeometry();
        if (!top->screen()->availableGeometry().contains(frame))
            problem(top, QStringLiteral("stands at %1,%2 %3x%4, beyond the screen")
                             .arg(frame.x())
                             .arg(frame.y())
                             .arg(frame.width())
                             .arg(frame.height()));
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->window() != top)
                continue;
            seen.insert(widget);
            placedByLayout(widget);
            captionFits(widget);
            textShownWhole(widget);
            tabsWhole(widget);
            childrenApart(widget);
            unscrolledTextWhole(widget);
            pageNeedsNoScrolling(widget);
        }
    }

    QStringList problems;
    // Every widget looked at.
    QSet<const QWidget*> seen;

private:
    void problem(const QWidget* widget, const QString& what) {
        const QString line = where(widget) + QStringLiteral(": ") + what;
        if (!problems.contains(line))
            problems.append(line);
    }

    void placedByLayout(QWidget* widget) {
        QWidget* parent = widget->parentWidget();
        // A scroll area places its page itself, in its viewport.
        if (parent && !parent->layout() && plainContainer(parent) && !overlapsByDesign(widget) &&
            parent->objectName() != QLatin1String("qt_scrollarea_viewport"))
            problem(widget, QStringLiteral("placed without a layout"));
    }

    void captionFits(QWidget* widget) {
        const bool captioned = qobject_cast<QLabel*>(widget) ||
                               qobject_cast<QAbstractButton*>(widget) ||
                               widget->inherits("QGroupBox");
        // Qt's own parts, such as the close button of a dock's title, are left to Qt.
        if (!captioned || widget->inherits("QToolButton") ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            return;
        const auto* label = qobject_cast<QLabel*>(widget);
        if (label && label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                problem(widget, QStringLiteral("wrapped text cut"));
            return;
        }
        const QSize hint = widget->sizeHint();
        if (hint.width() > widget->width() || hint.height() > widget->height())
            problem(widget, QStringLiteral("needs %1x%2, has %3x%4")
                                .arg(hint.width())
                                .arg(hint.height())
                                .arg(widget->width())
                                .arg(widget->height()));
    }

    void textShownWhole(QWidget* widget) {
        const auto* field = qobject_cast<QLineEdit*>(widget);
        if (!field || field->text().isEmpty() || field->echoMode() != QLineEdit::Normal)
            return;
        const int needed = field->fontMetrics().horizontalAdvance(field->text());
        if (needed > textRoom(field))
            problem(widget, QStringLiteral("shows \"%1\" only in part").arg(field->text()));
    }

    void tabsWhole(QWidget* widget) {
        const auto* bar = qobject_cast<QTabBar*>(widget);
        if (!bar)
            return;
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab = bar->tabRect(i);
            const QString text = bar->tabText(i).remove(QLatin1Char('&'));
            if (!bar->rect().contains(tab) ||
                tab.width() < bar->fontMetrics().horizontalAdvance(text))
                problem(widget, QStringLiteral("tab \"%1\" cut").arg(text));
        }
    }

    // A text whose scroll bars are off (the credits of "Über Quillmark") shows all of itself.
    void unscrolledTextWhole(QWidget* widget) {
        const auto* area = qobject_cast<QAbstractScrollArea*>(widget);
        if (!area)
            return;
        const bool cut = (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                          area->horizontalScrollBar()->maximum() > 0) ||
                         (area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                          area->verticalScrollBar()->maximum() > 0);
        if (cut)
            problem(widget, QStringLiteral("text cut"));
    }

    // A page that scrolls when its window is small has room for all its controls here, the
    // part out of sight as much as the part in view: the add button at its bottom right is
    // reached without scrolling.
    void pageNeedsNoScrolling(QWidget* widget) {
        const auto* area = qobject_cast<QScrollArea*>(widget);
        if (!area || !area->widget())
            return;
        const QWidget* page = area->widget();
        const QSize room = area->viewport()->size();
        QSize needed = page->minimumSizeHint();
        if (page->hasHeightForWidth())
            needed.setHeight(std::max(needed.height(), page->heightForWidth(room.width())));
        if (needed.width() > room.width() || needed.height() > room.height())
            problem(widget, QStringLiteral("needs scrolling: %1x%2 in %3x%4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height()));
    }

    // Siblings that a layout places never overlap; Qt's own compound widgets place their
    // parts themselves and are left alone.
    void childrenApart(QWidget* parent) {
        if (!parent->layout())
            return;
        QList<QWidget*> children;
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget->isVisible() && !widget->isWindow() && !overlapsByDesign(widget))
                children.append(widget);
        }
        for (qsizetype i = 0; i < children.size(); ++i) {
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                if (children[i]->geometry().intersects(children[j]->geometry()))
                    problem(children[i],
                            QStringLiteral("lies over %1").arg(children[j]->objectName()));
            }
        }
    }
};

void addFontSizes() {
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("whileRunning");
    QTest::newRow("default font") << 0 << false;
    QTest::newRow("11 pt") << 11 << false;
    QTest::newRow("13 pt") << 13 << false;
    QTest::newRow("13 pt while running") << 13 << true;
}

// The application font of the row: set before the windows are made, or, while running, once
// the main window shows, as a change of the desktop's font reaches the program. 0 keeps the
// font as it is.
class RowFont {
public:
    RowFont() {
        QFETCH(int, pointSize);
        QFETCH(bool, whileRunning);
        m_pointSize = pointSize;
        m_whileRunning = whileRunning;
        if (!m_whileRunning)
            use();
    }

    void mainWindowShown() const {
        if (m_whileRunning)
            use();
    }

private:
    void use() const {
        if (m_pointSize == 0)
            return;
        QFont font = QApplication::font();
        font.setPointSize(m_pointSize);
        QApplication::setFont(font);
    }

    int m_pointSize = 0;
    bool m_whileRunning = false;
};

void report(const LayoutCheck& check) {
    for (const QString& problem : std::as_const(check.problems))
        qWarning().noquote() << problem;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyWindowFits_data();
    void everyWindowFits();
    void everyLinkModeFits_data();
    void everyLinkModeFits();
    void everyModeFits_data();
    void everyModeFits();
    void textsFollowTheFontSize_data();
    void textsFollowTheFontSize();

private:
    QFont m_font;
};

void TestLayout::initTestCase() {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QVERIFY2(screen == QSize(1280, 800),
             "run through CTest, which gives the offscreen platform a screen of 1280x800");
}

void TestLayout::init() {
    m_font = QApplication::font();
}

void TestLayout::cleanup() {
    QApplication::setFont(m_font);
}

void TestLayout::everyWindowFits_data() {
    addFontSizes();
}

void TestLayout::everyWindowFits() {
    const RowFont font;
    Fixture f;
    LayoutCheck check;
    const auto look = [&check](QWidget* window) {
        QCoreApplication::processEvents();
        check.window(window);
    };
    // Every page of every tab control in turn, and the frame builder's panels.
    const auto lookAtEveryPage = [&look](QWidget* window) {
        look(window);
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                look(window);
            }
        }
    };

    QWidget* main = f.window(QStringLiteral("TForm2"));
    main->show();
    font.mainWindowShown();
    look(main); // with the welcome panel
    f.startPage();
    lookAtEveryPage(main);

    QWidget* frames = f.window(QStringLiteral("TForm6"));
    frames->show();
    look(frames);
    for (const char* chooser : {"Image5", "Image1", "Image4", "Image2"}) {
        click(f.find(QStringLiteral("TForm6"), QString::fromLatin1(chooser)));
        look(frames);
    }

    for (QWidget* window : f.windows().all()) {
        if (window == main || window == frames)
            continue;
        window->show();
        lookAtEveryPage(window);
        window->hide();
    }
    report(check);
    QVERIFY2(check.problems.isEmpty(), "the layout problems listed above");
}

void TestLayout::everyLinkModeFits_data() {
    addFontSizes();
}

// The page "Links" shows most of its controls only for a choice: each choice in turn, made
// with its control as the user makes it, and the page looked at after it.
void TestLayout::everyLinkModeFits() {
    const RowFont font;
    Fixture f;
    const QString main = QStringLiteral("TForm2");
    QWidget* window = f.window(main);
    auto* tabs = f.control<QTabWidget>(main, QStringLiteral("PageControl1"));
    auto* page = f.control(main, QStringLiteral("TabSheet3"));
    QVERIFY(window && tabs && page);
    window->show();
    font.mainWindowShown();
    f.startPage();
    tabs->setCurrentWidget(page);

    LayoutCheck check;
    // The frame's name, the picture with its size, the e-mail address, the text again.
    for (const char* choice :
         {"RadioButton5", "RadioButton16", "CheckBox4", "RadioButton18", "RadioButton15"}) {
        QWidget* control = f.control(main, QString::fromLatin1(choice));
        QVERIFY2(control && control->isVisible(), choice);
        click(control);
        QCoreApplication::processEvents();
        check.window(window);
    }
    report(check);
    QVERIFY2(check.problems.isEmpty(), "the layout problems listed above");

    // Every control of the page has been looked at, but for those of the position picker
    // that stay hidden until a position is chosen or for good (and Qt's own parts).
    QStringList unseen;
    for (const QWidget* control : page->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            !check.seen.contains(control))
            unseen.append(name);
    }
    unseen.sort();
    QCOMPARE(unseen, QStringList({"Image52", "Image53", "Image54", "Panel7", "RadioButton12",
                                  "RadioButton13", "RadioButton14"}));
}

void TestLayout::everyModeFits_data() {
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("whileRunning");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("modes");
    QTest::addColumn<QString>("lastShown");
    // Each page whose controls change with a choice (but "Links", above): the steps that lead
    // to it, the page, the choices, made in turn, and a control the last step shows.
    const struct {
        const char* name;
        const char* start;
        const char* page;
        QStringList modes;
        const char* lastShown;
    } pages[] = {
        {"Allgemeine Einstellungen",
         "Button9|Button2|Button45",
         "TabSheet1",
         {"CheckBox15", "RadioButton25", "RadioButton26", "CheckBox16", "CheckBox17", "CheckBox18"},
         "Edit35"},
        {"Text, moderne Seite",
         "Button9|PageKind=Modern (HTML5, auch für Handys)|Button2",
         "TabSheet2",
         {},
         "ModernTextNote"},
        {"Listen", "Button9|Button2", "TabSheet9", {"RadioButton28", "RadioButton27"}, "Panel12"},
    };
    const struct {
        const char* name;
        int pointSize;
        bool whileRunning;
    } fonts[] = {
        {"default font", 0, false}, {"13 pt", 13, false}, {"13 pt while running", 13, true}};
    for (const auto& page : pages) {
        for (const auto& font : fonts)
            QTest::addRow("%s, %s", page.name, font.name)
                << font.pointSize << font.whileRunning << QString::fromUtf8(page.start)
                << QString::fromLatin1(page.page) << page.modes
                << QString::fromLatin1(page.lastShown);
    }
}

// A page shown after the steps that lead to it, and again after each of its choices, made with
// its control as the user makes it.
void TestLayout::everyModeFits() {
    QFETCH(QString, start);
    QFETCH(QString, page);
    QFETCH(QStringList, modes);
    QFETCH(QString, lastShown);
    const RowFont font;
    Fixture f;
    const QString main = QStringLiteral("TForm2");
    QWidget* window = f.window(main);
    FIND(tabs, QTabWidget, f, main, "PageControl1");
    FIND(shown, QWidget, f, main, page);
    window->show();
    font.mainWindowShown();
    f.act(main, start);
    tabs->setCurrentWidget(shown);

    LayoutCheck check;
    QCoreApplication::processEvents();
    check.window(window);
    for (const QString& mode : std::as_const(modes)) {
        FIND(control, QWidget, f, main, mode);
        QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(mode));
        click(control);
        QCoreApplication::processEvents();
        check.window(window);
    }
    FIND(last, QWidget, f, main, lastShown);
    QVERIFY2(last->isVisible(), qPrintable(lastShown));
    report(check);
    QVERIFY2(check.problems.isEmpty(), "the layout problems listed above");
}

void TestLayout::textsFollowTheFontSize_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("fixedPitch");
    QTest::addColumn<bool>("titled"); // its first line a heading in larger type
    QTest::newRow("Quelltext") << "TForm2"
                               << "Memo2" << true << false;
    QTest::newRow("post-editor") << "TForm7"
                                 << "Memo1" << true << false;
    QTest::newRow("program help") << "TForm3"
                                  << "helpText" << false << true;
    QTest::newRow("HTML help") << "TForm4"
                               << "helpText" << true << true;
}

// A text takes the size of the application font, also when the desktop's font changes while
// the program runs; source text and the tutorial keep their fixed pitch.
void TestLayout::textsFollowTheFontSize() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(bool, fixedPitch);
    QFETCH(bool, titled);
    Fixture f;
    FIND(top, QWidget, f, window, window);
    top->show();
    FIND(text, QPlainTextEdit, f, window, field);
    // The font the text is laid out in, from the start and after the change.
    const auto shown = [text] { return text->document()->defaultFont(); };
    const QString fixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QCOMPARE(shown().family() == fixedFamily, fixedPitch);
    QCOMPARE(shown().pointSize(), QApplication::font().pointSize());
    QFont larger = QApplication::font();
    larger.setPointSize(larger.pointSize() + 4);
    QApplication::setFont(larger);
    QTRY_COMPARE(shown().pointSize(), larger.pointSize());
    QCOMPARE(shown().family() == fixedFamily, fixedPitch);
    if (titled) {
        const QTextCharFormat title =
            text->document()->firstBlock().begin().fragment().charFormat();
        QCOMPARE(title.fontPointSize(), larger.pointSizeF() + 2);
    }
}

QUILLMARK_PAGE_VIEW_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
