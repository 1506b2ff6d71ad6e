#include "ui/SpellChecker.h"

#include "core/platform/PageFile.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include <hunspell.hxx>

namespace {

const QString kSwitchKey = QStringLiteral("Rechtschreibung/Pruefen");

// Where Debian and its relatives put the German dictionary.
constexpr const char* kDictionaryFolders[] = {"/usr/share/hunspell", "/usr/share/myspell/dicts",
                                              "/usr/share/myspell"};

bool isLatin1(const std::string& encoding) {
    return encoding == "ISO8859-1" || encoding == "ISO-8859-1";
}

} // namespace

// Words go into the dictionary and come out of it in its own encoding: UTF-8 for the German
// dictionaries of today, Latin-1 for older ones.
std::string SpellChecker::encoded(const QString& word) const {
    if (m_latin1)
        return word.toLatin1().toStdString();
    return word.toStdString();
}

QString SpellChecker::decoded(const std::string& word) const {
    if (m_latin1)
        return QString::fromLatin1(word.data(), qsizetype(word.size()));
    return QString::fromStdString(word);
}

SpellChecker::SpellChecker(Dialogs& dialogs) : m_dialogs(dialogs) {
    for (const char* folder : kDictionaryFolders) {
        const QString base = QString::fromLatin1(folder) + QStringLiteral("/de_DE");
        if (QFileInfo::exists(base + QStringLiteral(".aff")) &&
            QFileInfo::exists(base + QStringLiteral(".dic"))) {
            m_affixFile = base + QStringLiteral(".aff");
            m_wordFile = base + QStringLiteral(".dic");
            break;
        }
    }
    m_on = QSettings().value(kSwitchKey, true).toBool();
    m_markFormat.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_markFormat.setUnderlineColor(Qt::red);
    connect(&m_loading, &QFutureWatcher<Loaded>::finished, this, &SpellChecker::takeDictionary);
}

SpellChecker::~SpellChecker() {
    // The loading holds no reference to this object, but its result is dropped here.
    m_loading.waitForFinished();
}

QString SpellChecker::wordListPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/woerterbuch.txt");
}

void SpellChecker::loadAfterFirstPaint(QWidget& window) {
    window.installEventFilter(this);
}

bool SpellChecker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        load();
    }
    return false;
}

void SpellChecker::load() {
    if (!hasDictionary() || loaded() || m_loading.isRunning())
        return;
    m_loading.setFuture(
        QtConcurrent::run(&SpellChecker::loadFrom, m_affixFile, m_wordFile, wordListPath()));
}

SpellChecker::Loaded SpellChecker::loadFrom(const QString& affixFile, const QString& wordFile,
                                            const QString& wordListPath) {
    Loaded loaded;
    loaded.dictionary = std::make_shared<Hunspell>(QFile::encodeName(affixFile).constData(),
                                                   QFile::encodeName(wordFile).constData());
    const std::string& encoding = loaded.dictionary->get_dict_encoding();
    loaded.latin1 = isLatin1(encoding);
    if (!loaded.latin1 && encoding != "UTF-8") {
        loaded.dictionary.reset();
        return loaded;
    }
    QFile list(wordListPath);
    if (list.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(list.readAll());
        for (const QString& line : text.split(u'\n')) {
            const QString word = line.trimmed();
            if (word.isEmpty())
                continue;
            loaded.dictionary->add(loaded.latin1 ? word.toLatin1().toStdString()
                                                 : word.toStdString());
            loaded.added.append(word);
        }
    }
    return loaded;
}

void SpellChecker::takeDictionary() {
    const Loaded loaded = m_loading.result();
    m_dictionary = loaded.dictionary;
    m_latin1 = loaded.latin1;
    m_added = loaded.added;
    if (!m_dictionary)
        return;
    if (m_on)
        emit changed();
}

void SpellChecker::setSwitchedOn(bool on) {
    if (on == m_on)
        return;
    m_on = on;
    QSettings().setValue(kSwitchKey, on);
    emit changed();
}

bool SpellChecker::misspelt(QStringView word) {
    if (!marking())
        return false;
    const QString key = word.toString();
    auto known = m_answers.constFind(key);
    if (known == m_answers.constEnd())
        known = m_answers.insert(key, m_dictionary->spell(encoded(key)));
    return !known.value();
}

QStringList SpellChecker::suggestions(const QString& word, int most) const {
    QStringList found;
    if (!loaded())
        return found;
    for (const std::string& suggestion : m_dictionary->suggest(encoded(word))) {
        if (found.size() == most)
            break;
        found.append(decoded(suggestion));
    }
    return found;
}

void SpellChecker::accept(const QString& word) {
    if (loaded())
        m_dictionary->add(encoded(word));
    m_answers.insert(word, true);
    emit changed();
}

void SpellChecker::ignore(const QString& word) {
    accept(word);
}

void SpellChecker::addToWordList(const QString& word) {
    if (!m_added.contains(word))
        m_added.append(word);
    const QString path = wordListPath();
    QDir().mkpath(QFileInfo(path).path());
    const Outcome written = PageFile::replaceFile(path, (m_added.join(u'\n') + u'\n').toUtf8());
    if (!written.ok())
        m_dialogs.error(written.error);
    accept(word);
}

void SpellChecker::bindSwitch(QAction& action) {
    action.setCheckable(true);
    if (!hasDictionary()) {
        action.setText(QStringLiteral("&Rechtschreibung prüfen (kein Wörterbuch)"));
        action.setChecked(false);
        action.setEnabled(false);
        return;
    }
    action.setChecked(m_on);
    connect(&action, &QAction::toggled, this, &SpellChecker::setSwitchedOn);
}
