// Every window and page at the default font and at larger application fonts: captions fit,
// fields show their initial text whole, no two controls lie over each other, every tab
// caption is whole, and no window needs more than a small screen.
#include "support/Fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

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
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->window() != top)
                continue;
            seen.insert(widget);
            placedByLayout(widget);
            captionFits(widget);
            textShownWhole(widget);
            tabsWhole(widget);
            childrenApart(widget);
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
        if (!captioned || widget->inherits("QToolButton"))
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
    QTest::newRow("default font") << 0;
    QTest::newRow("11 pt") << 11;
    QTest::newRow("13 pt") << 13;
}

// The application font at the size, or as it is for 0.
void useFontSize(int pointSize) {
    if (pointSize > 0) {
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
}

void report(const LayoutCheck& check) {
    for (const QString& problem : std::as_const(check.problems))
        qWarning().noquote() << problem;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyWindowFits_data();
    void everyWindowFits();
    void everyLinkModeFits_data();
    void everyLinkModeFits();

private:
    QFont m_font;
};

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
    QFETCH(int, pointSize);
    useFontSize(pointSize);
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
    QFETCH(int, pointSize);
    useFontSize(pointSize);
    Fixture f;
    const QString main = QStringLiteral("TForm2");
    QWidget* window = f.window(main);
    auto* tabs = f.control<QTabWidget>(main, QStringLiteral("PageControl1"));
    auto* page = f.control(main, QStringLiteral("TabSheet3"));
    QVERIFY(window && tabs && page);
    window->show();
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

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
