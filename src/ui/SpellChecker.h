#pragma once

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTextCharFormat>

#include <memory>
#include <string>

class Dialogs;
class Hunspell;
class QAction;
class QWidget;

// The German spell checking that every text field of the program shares: the dictionary,
// loaded off the window's thread once the main window has been painted, the words the user
// ignored or added, and the switch that turns the marks on and off. Answers are kept, so that
// a word is looked up once. Whoever shows marks follows changed().
class SpellChecker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellChecker)
public:
    explicit SpellChecker(Dialogs& dialogs);
    ~SpellChecker() override;

    // Starts loading the dictionary after the window's first paint.
    void loadAfterFirstPaint(QWidget& window);
    // Starts loading the dictionary now; changed() follows when it is there.
    void load();

    // Whether a German dictionary was found on the machine.
    bool hasDictionary() const { return !m_affixFile.isEmpty(); }
    // Whether the dictionary is loaded.
    bool loaded() const { return m_dictionary != nullptr; }
    // The switch, kept in the settings: on unless the user turned it off.
    bool switchedOn() const { return m_on; }
    void setSwitchedOn(bool on);
    // Whether words are marked now.
    bool marking() const { return m_on && loaded(); }

    // Whether a word is marked as misspelt; never while the checking is off.
    bool misspelt(QStringView word);
    // What the dictionary proposes in place of a word, at most `most`.
    QStringList suggestions(const QString& word, int most) const;
    // Takes a word as right for the rest of the run.
    void ignore(const QString& word);
    // Takes a word as right from now on, kept in the personal word list.
    void addToWordList(const QString& word);

    // The look of a misspelt word: a red wavy underline.
    const QTextCharFormat& markFormat() const { return m_markFormat; }

    // Lets a checkable menu item be the switch: checked, enabled and captioned as it stands.
    void bindSwitch(QAction& action);

    // Where the words the user added are kept, one a line.
    static QString wordListPath();

signals:
    // The marks may be different now: the dictionary arrived, the switch changed, or a word
    // became right.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the loading hands over: the dictionary, with the personal words already in it.
    struct Loaded {
        std::shared_ptr<Hunspell> dictionary;
        QStringList added;
        bool latin1 = false;
    };

    static Loaded loadFrom(const QString& affixFile, const QString& wordFile,
                           const QString& wordListPath);
    void takeDictionary();
    void accept(const QString& word);
    std::string encoded(const QString& word) const;
    QString decoded(const std::string& word) const;

    Dialogs& m_dialogs;
    QString m_affixFile;
    QString m_wordFile;
    bool m_on = true;
    QFutureWatcher<Loaded> m_loading;
    std::shared_ptr<Hunspell> m_dictionary;
    // Each word's answer, true when it is right.
    QHash<QString, bool> m_answers;
    bool m_latin1 = false;
    QStringList m_added;
    QTextCharFormat m_markFormat;
};
