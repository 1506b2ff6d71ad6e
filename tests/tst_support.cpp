// The test support itself: a control that is not there fails the test function that looks for
// it, and only that one. Nothing is thrown, so the test program goes on with the next function.
// Registered to pass when that next function has run and passed (see CMakeLists.txt); the
// program's own exit code tells of the failures it is made to have.
#include "support/Fixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <QTemporaryDir>

#include <functional>

namespace {

using Call = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Call)

class TestSupport : public QObject {
    Q_OBJECT

private slots:
    void missingControlFailsItsFunction_data();
    void missingControlFailsItsFunction();
    void nextFunctionStillRuns();
};

void TestSupport::missingControlFailsItsFunction_data() {
    QTest::addColumn<Call>("call");
    QTest::newRow("FIND") << Call([](Fixture& f) {
        FIND(missing, QWidget, f, "TForm2", "Nirgends");
        QFAIL("FIND went on past a missing control");
    });
    QTest::newRow("FIND_OR") << Call([](Fixture& f) {
        const auto found = [&f]() -> int {
            FIND_OR(missing, QWidget, f, "TForm2", "Nirgends", -1);
            return 1;
        };
        QCOMPARE(found(), -1);
    });
    QTest::newRow("other type") << Call([](Fixture& f) {
        FIND(memo, QLineEdit, f, "TForm2", "Memo2");
        QFAIL("FIND went on past a control of another type");
    });
    QTest::newRow("no window") << Call([](Fixture& f) {
        FIND(memo, QPlainTextEdit, f, "TForm99", "Memo2");
        QFAIL("FIND went on past a missing window");
    });
    QTest::newRow("act") << Call([](Fixture& f) { f.act("TForm2", "Nirgends=Text|Nirgends"); });
    QTest::newRow("trigger") << Call([](Fixture& f) { f.trigger("TForm2", "Nirgends"); });
    QTest::newRow("click") << Call([](Fixture& f) { click(f.control("TForm2", "Nirgends")); });
    QTest::newRow("typeInto") << Call([](Fixture&) { typeInto(nullptr, QStringLiteral("x")); });
    QTest::newRow("textOf") << Call([](Fixture&) { QCOMPARE(textOf(nullptr), QString()); });
    QTest::newRow("writeBytes") << Call([](Fixture&) {
        const QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("fehlt/seite.html")), "x");
    });
}

void TestSupport::missingControlFailsItsFunction() {
    QFETCH(Call, call);
    Fixture f;
    call(f);
    // The call came back without throwing or touching a null control; it failed the test.
    if (!QTest::currentTestFailed())
        QFAIL("a missing control went unnoticed");
}

void TestSupport::nextFunctionStillRuns() {
    Fixture f;
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
    f.act("TForm2", "Memo2=<p>");
    QCOMPARE(textOf(memo), QStringLiteral("<p>"));
}

QTEST_MAIN(TestSupport)
#include "tst_support.moc"
