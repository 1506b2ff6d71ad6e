// Pages named from outside the open dialog: the recent pages, the command line and files
// dropped on the windows.
#include "app/CommandLine.h"
#include "context/PageContext.h"
#include "help/MessageWindow.h"
#include "support/Fixture.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSettings>
#include <QUrl>

namespace {

// The captions of a recent-files menu's items, above its separator.
QStringList recentCaptions(Fixture& f, const QString& window, const QString& menu) {
    FIND_OR(list, QMenu, f, window, menu, {});
    QStringList captions;
    for (QAction* item : list->actions()) {
        if (item->isSeparator())
            break;
        captions.append(item->text());
    }
    return captions;
}

// The menu's item as the user finds it on opening the menu.
QAction* recentItem(Fixture& f, const QString& window, const QString& menu, int index) {
    FIND_OR(list, QMenu, f, window, menu, nullptr);
    emit list->aboutToShow();
    return list->actions().value(index);
}

QString pageIn(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    writeBytes(path, bytes);
    return path;
}

// Drags one local file (or text, when the path is empty) onto the widget; returns whether the
// widget took the drag, having dropped it when it did.
bool drop(QWidget* target, const QString& path, const QString& text = {}) {
    QMimeData data;
    if (path.isEmpty())
        data.setText(text);
    else
        data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint middle = target->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    return dropped.isAccepted();
}

QWidget* dropTarget(Fixture& f, const QString& window, const QString& name) {
    QWidget* widget = f.find(window, name);
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return text->viewport();
    return widget;
}

} // namespace

class TestOpenFiles : public QObject {
    Q_OBJECT

private slots:
    void recentPagesNewestFirst_data();
    void recentPagesNewestFirst();
    void vanishedRecentPageLeavesTheList();
    void dialogsStartInTheRecentFolder_data();
    void dialogsStartInTheRecentFolder();
    void commandLineAnswersWithoutDisplay_data();
    void commandLineAnswersWithoutDisplay();
    void commandLineNamesFiles_data();
    void commandLineNamesFiles();
    void droppedFiles_data();
    void droppedFiles();
    void droppedPageAsksFirst();
};

void TestOpenFiles::recentPagesNewestFirst_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("captions");
    const QStringList tenPages{"1.html", "2.html", "3.html", "4.html", "5.html",
                               "6.html", "7.html", "8.html", "9.html", "10.html"};
    QTest::newRow("page again goes first, once")
        << "TForm2"
        << "ZuletztGeoeffnet1" << QStringList{"a.html", "b & c.html", "a.html"}
        << QStringList{"&1 a.html", "&2 b && c.html"};
    QTest::newRow("eight at most")
        << "TForm2"
        << "ZuletztGeoeffnet1" << tenPages
        << QStringList{"&1 10.html", "&2 9.html", "&3 8.html", "&4 7.html",
                       "&5 6.html",  "&6 5.html", "&7 4.html", "&8 3.html"};
    QTest::newRow("post-editor keeps its own")
        << "TForm7"
        << "PostZuletztGeoeffnet1" << QStringList{"a.html", "notiz.txt"}
        << QStringList{"&1 notiz.txt", "&2 a.html"};
}

void TestOpenFiles::recentPagesNewestFirst() {
    QFETCH(QString, window);
    QFETCH(QString, menu);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, captions);
    Fixture f;
    QTemporaryDir dir;
    for (const QString& name : opened) {
        f.dialogs.answerFile(pageIn(dir, name, "<p>x</p>\r\n"));
        f.trigger(window, "ffnen1");
    }
    QCOMPARE(recentCaptions(f, window, menu), captions);
    QCOMPARE(recentItem(f, window, menu, 0)->toolTip(), dir.filePath(opened.constLast()));
    // The other window's list stays empty, and "Liste leeren" empties this one.
    const QString other = window == u"TForm2" ? "PostZuletztGeoeffnet1" : "ZuletztGeoeffnet1";
    QVERIFY(recentCaptions(f, window == u"TForm2" ? "TForm7" : "TForm2", other).isEmpty());
    f.trigger(window, window == u"TForm2" ? "ListeLeeren1" : "PostListeLeeren1");
    QVERIFY(recentCaptions(f, window, menu).isEmpty());
    FIND(list, QMenu, f, window, menu);
    QVERIFY(!list->menuAction()->isEnabled());
}

void TestOpenFiles::vanishedRecentPageLeavesTheList() {
    Fixture f;
    f.startPage();
    QTemporaryDir dir;
    const QString gone = pageIn(dir, "weg.html", "<p>weg</p>\r\n");
    f.dialogs.answerSave(dir.filePath("bleibt.html"), ".html");
    f.trigger("TForm2", "Speichern");
    const QStringList page = f.sourceLines();
    QSettings().setValue("Zuletzt/Seiten", QStringList{gone, dir.filePath("bleibt.html")});
    QFile::remove(gone);
    recentItem(f, "TForm2", "ZuletztGeoeffnet1", 0)->trigger();
    QCOMPARE(f.statusNotice(),
             "„weg.html“ gibt es nicht mehr; die Datei wurde aus der Liste genommen.");
    QCOMPARE(recentCaptions(f, "TForm2", "ZuletztGeoeffnet1"), QStringList{"&1 bleibt.html"});
    QCOMPARE(f.sourceLines(), page);
    QVERIFY(f.dialogs.lastMessage().isEmpty());
}

void TestOpenFiles::dialogsStartInTheRecentFolder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("key");
    QTest::newRow("main window") << "TForm2"
                                 << "Zuletzt/Seiten";
    QTest::newRow("post-editor") << "TForm7"
                                 << "Zuletzt/Nachbearbeiten";
}

void TestOpenFiles::dialogsStartInTheRecentFolder() {
    QFETCH(QString, window);
    QFETCH(QString, key);
    Fixture f;
    QTemporaryDir dir;
    QSettings().setValue(key, QStringList{dir.filePath("zuletzt.html")});
    f.trigger(window, "ffnen1");
    QCOMPARE(f.dialogs.asked.constLast(), "open:" + dir.filePath("Unbenannt.html"));
    if (window == u"TForm2")
        f.startPage();
    else
        typeInto(f.control(window, "Memo1"), "<p>neu</p>");
    f.trigger(window, "Speichern");
    QCOMPARE(f.dialogs.lastSaveFolder, dir.path());
    // Once the window has a file of its own, its folder is where the dialogs start.
    QTemporaryDir own;
    if (window == u"TForm7")
        f.dialogs.answerYes();
    f.dialogs.answerFile(pageIn(own, "eigen.html", "<p>x</p>\r\n"));
    f.trigger(window, "ffnen1");
    if (window == u"TForm2")
        f.confirmDiscard();
    QSettings().setValue(key, QStringList{dir.filePath("zuletzt.html")});
    f.trigger(window, "Speichern");
    QCOMPARE(f.dialogs.lastSaveFolder, own.path());
}

void TestOpenFiles::commandLineAnswersWithoutDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString usage = QStringLiteral("Aufruf: quillmark [Seite.html]\n"
                                         "       quillmark --nachbearbeiten Datei\n");
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Quillmark " QUILLMARK_VERSION "\n"
                             << "";
    QTest::newRow("help") << QStringList{"-h"} << 0 << usage << "";
    QTest::newRow("unknown option") << QStringList{"--drucken", "seite.html"} << 2 << ""
                                    << "Unbekannte Option „--drucken“.\n" + usage;
    QTest::newRow("file missing after option")
        << QStringList{"--nachbearbeiten"} << 2 << ""
        << "Nach „--nachbearbeiten“ fehlt der Name der Datei.\n" + usage;
    QTest::newRow("two pages") << QStringList{"a.html", "b.html"} << 2 << ""
                               << "Quillmark öffnet nur eine Seite auf einmal.\n" + usage;
}

void TestOpenFiles::commandLineAnswersWithoutDisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLMARK_BINARY), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString printed = QString::fromUtf8(program.readAllStandardOutput());
    // The help goes on with a line for each option.
    if (arguments == QStringList{"-h"})
        QVERIFY2(printed.startsWith(out) && printed.count(u'\n') > 6, qPrintable(printed));
    else
        QCOMPARE(printed, out);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
}

void TestOpenFiles::commandLineNamesFiles_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("postFile");
    QTest::newRow("nothing") << QStringList{} << ""
                             << "";
    QTest::newRow("page") << QStringList{"seite.html"} << "seite.html"
                          << "";
    QTest::newRow("post-editor") << QStringList{"--nachbearbeiten", "x.txt"} << ""
                                 << "x.txt";
    QTest::newRow("page after --") << QStringList{"--", "--seite.html"} << "--seite.html"
                                   << "";
}

void TestOpenFiles::commandLineNamesFiles() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, page);
    QFETCH(QString, postFile);
    const CommandLineRequest request = readCommandLine(QStringList{"quillmark"} + arguments);
    QVERIFY(!request.ends());
    const auto full = [](const QString& name) {
        return name.isEmpty() ? name : QDir::current().absoluteFilePath(name);
    };
    QCOMPARE(request.page, full(page));
    QCOMPARE(request.postFile, full(postFile));
}

void TestOpenFiles::droppedFiles_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("fieldText");
    QTest::newRow("picture on Bilder") << "TForm2"
                                       << "TabSheet4"
                                       << "Bild.PNG" << true << "Edit6"
                                       << "Bild.PNG";
    QTest::newRow("picture on its field") << "TForm2"
                                          << "Edit4"
                                          << "grund.jpg" << true << "Edit4"
                                          << "grund.jpg";
    QTest::newRow("icon on the icon field") << "TForm2"
                                            << "Edit35"
                                            << "seite.ico" << true << "Edit35"
                                            << "seite.ico";
    QTest::newRow("other picture refused by the icon field") << "TForm2"
                                                             << "Edit35"
                                                             << "seite.png" << false << "Edit35"
                                                             << "";
    QTest::newRow("picture elsewhere refused") << "TForm2"
                                               << "Edit1"
                                               << "bild.png" << false << "Edit1"
                                               << "";
    QTest::newRow("page on the source") << "TForm2"
                                        << "Memo2"
                                        << "seite.htm" << true << "Memo2"
                                        << "<p>abgelegt</p>\n";
    QTest::newRow("other file refused") << "TForm2"
                                        << "Memo2"
                                        << "liste.txt" << false << "Memo2"
                                        << "";
    QTest::newRow("any file on the post-editor") << "TForm7"
                                                 << "Memo1"
                                                 << "liste.txt" << true << "Memo1"
                                                 << "<p>abgelegt</p>\n";
    QTest::newRow("text between fields") << "TForm2"
                                         << "Edit6"
                                         << "" << true << "Edit6"
                                         << "gezogen";
}

void TestOpenFiles::droppedFiles() {
    QFETCH(QString, window);
    QFETCH(QString, target);
    QFETCH(QString, file);
    QFETCH(bool, taken);
    QFETCH(QString, field);
    QFETCH(QString, fieldText);
    Fixture f;
    QTemporaryDir dir;
    const QString path = file.isEmpty() ? QString() : pageIn(dir, file, "<p>abgelegt</p>\n");
    QWidget* area = dropTarget(f, window, target);
    QVERIFY(area);
    QCOMPARE(drop(area, path, "gezogen"), taken);
    QTRY_COMPARE(textOf(f.control(window, field)), fieldText);
    // A picture travels with the page from where it was dropped.
    if (taken && field != u"Memo2" && field != u"Memo1" && !path.isEmpty())
        QCOMPARE(f.windows().context().pictures.pathsByName().value(file), path);
}

void TestOpenFiles::droppedPageAsksFirst() {
    Fixture f;
    f.startPage();
    f.setSourceLines({"<p>ungespeichert</p>"});
    QTemporaryDir dir;
    QVERIFY(drop(dropTarget(f, "TForm2", "Memo2"), pageIn(dir, "neu.html", "<p>neu</p>\r\n")));
    QTRY_VERIFY(f.windows().message(Message::Error407).isVisible());
    QCOMPARE(f.sourceLines().constLast(), "<p>ungespeichert</p>");
    f.confirmDiscard();
    QTRY_COMPARE(f.sourceLines(), QStringList{"<p>neu</p>"});
}

QTEST_MAIN(TestOpenFiles)
#include "tst_openfiles.moc"
