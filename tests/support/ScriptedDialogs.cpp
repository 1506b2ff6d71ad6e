#include "support/ScriptedDialogs.h"

#include <QFileInfo>
#include <QPrinter>

template <typename T> std::optional<T> ScriptedDialogs::next() {
    if (m_answers.isEmpty())
        return std::nullopt;
    const Answer answer = m_answers.dequeue();
    if (const T* value = std::get_if<T>(&answer))
        return *value;
    return std::nullopt;
}

QString ScriptedDialogs::lastMessage() const {
    for (qsizetype i = asked.size() - 1; i >= 0; --i) {
        const QString& question = asked[i];
        if (question.startsWith(QLatin1String("message:")))
            return question.mid(8);
        if (question.startsWith(QLatin1String("error:")))
            return question.mid(6);
    }
    return {};
}

std::optional<SaveAnswer> ScriptedDialogs::saveFileName(const QString& proposal,
                                                        const QString& folder, const QString&) {
    asked.append(QStringLiteral("save:") + proposal);
    lastSaveFolder = QFileInfo(proposal).isAbsolute() ? QFileInfo(proposal).absolutePath() : folder;
    if (!m_answers.isEmpty() && std::holds_alternative<QString>(m_answers.head()))
        return SaveAnswer{std::get<QString>(m_answers.dequeue()), QStringLiteral(".html")};
    return next<SaveAnswer>();
}

std::optional<QString> ScriptedDialogs::openFileName(const QString& proposal, const QString&) {
    asked.append(QStringLiteral("open:") + proposal);
    return next<QString>();
}

std::optional<QString> ScriptedDialogs::openPictureName(const QString&, const QString& filter) {
    asked.append(QStringLiteral("picture:") + filter);
    return next<QString>();
}

std::optional<FontChoice> ScriptedDialogs::font(const FontChoice& initial) {
    asked.append(QStringLiteral("font"));
    lastInitialFont = initial;
    return next<FontChoice>();
}

std::optional<QColor> ScriptedDialogs::color(const QColor& initial) {
    asked.append(QStringLiteral("color"));
    lastInitialColor = initial;
    return next<QColor>();
}

std::unique_ptr<QPrinter> ScriptedDialogs::print() {
    asked.append(QStringLiteral("print"));
    const std::optional<PrintTo> target = next<PrintTo>();
    if (!target)
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(target->path);
    return printer;
}

void ScriptedDialogs::message(const QString& text) {
    asked.append(QStringLiteral("message:") + text);
}

void ScriptedDialogs::error(const QString& text) {
    asked.append(QStringLiteral("error:") + text);
}

bool ScriptedDialogs::question(const QString& text) {
    asked.append(QStringLiteral("question:") + text);
    return next<Yes>().has_value();
}

bool ScriptedDialogs::yesOrNo(const QString& text, QWidget*) {
    return question(text);
}

bool ScriptedDialogs::trust(const QString& text, QWidget*) {
    asked.append(QStringLiteral("trust:") + text);
    return next<Yes>().has_value();
}
