#include "support/Validators.h"

#include <QDebug>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace Validators {

namespace {

// What one run of a checker left: its output, or why there is none.
struct Run {
    QString failure;
    int exitCode = 0;
    QByteArray out;
    QByteArray err;
};

// Runs a program found on PATH to its end, or for the given time at most.
Run run(const QString& program, const QStringList& arguments, int timeoutMs) {
    Run result;
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty()) {
        result.failure = program + QStringLiteral(" is not on PATH; make test installs it");
        return result;
    }
    QProcess process;
    process.start(executable, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        result.failure = program + QStringLiteral(" did not finish: ") + process.errorString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        result.failure = program + QStringLiteral(" crashed");
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QStringList nonEmptyLines(const QByteArray& text) {
    QStringList lines;
    for (const QString& line : QString::fromUtf8(text).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

QStringList logged(const QString& checker, const QStringList& messages) {
    for (const QString& message : messages)
        qWarning().noquote() << checker + QStringLiteral(": ") + message;
    return messages;
}

// "error, line 12: message [extract]"; "info" notes that are no warnings give nothing.
QString nuMessage(const QJsonObject& message, bool named) {
    const QString type = message.value(QStringLiteral("type")).toString();
    const QString subType = message.value(QStringLiteral("subType")).toString();
    if (type == QStringLiteral("info") && subType != QStringLiteral("warning"))
        return {};
    QString text = type == QStringLiteral("info") ? subType : type;
    if (named)
        text.prepend(QUrl(message.value(QStringLiteral("url")).toString()).fileName() +
                     QStringLiteral(": "));
    if (type != QStringLiteral("info") && !subType.isEmpty())
        text += QStringLiteral(" (") + subType + u')';
    const int line = message.value(QStringLiteral("lastLine")).toInt();
    if (line > 0)
        text += QStringLiteral(", line ") + QString::number(line);
    text += QStringLiteral(": ") + message.value(QStringLiteral("message")).toString();
    const QString extract = message.value(QStringLiteral("extract")).toString();
    if (!extract.isEmpty())
        text +=
            QStringLiteral(" [") + QString(extract).replace(u'\n', QStringLiteral("\\n")) + u']';
    return text;
}

} // namespace

QStringList tidyMessages(const QString& path) {
    if (!QFileInfo(path).isFile())
        return logged(QStringLiteral("tidy"), {QStringLiteral("no file ") + path});
    const Run tidy =
        run(QStringLiteral("tidy"), {QStringLiteral("-e"), QStringLiteral("-q"), path}, 30'000);
    if (!tidy.failure.isEmpty())
        return logged(QStringLiteral("tidy"), {tidy.failure});
    QStringList messages = nonEmptyLines(tidy.out) + nonEmptyLines(tidy.err);
    // 1 and 2 are its words for warnings and errors, which it has written.
    if (tidy.exitCode != 0 && (tidy.exitCode > 2 || messages.isEmpty()))
        messages.append(QStringLiteral("tidy ended with code ") + QString::number(tidy.exitCode));
    return logged(QStringLiteral("tidy"), messages);
}

QStringList nuMessages(const QStringList& paths) {
    const QString jar = QStringLiteral(QUILLMARK_VNU_JAR);
    if (!QFileInfo(jar).isFile())
        return logged(QStringLiteral("Nu"), {QStringLiteral("no checker at ") + jar +
                                             QStringLiteral("; make test installs it")});
    // The checker reports nothing at all for a file it cannot read.
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile())
            return logged(QStringLiteral("Nu"), {QStringLiteral("no file ") + path});
    }
    // A page's style element and attributes are checked as it is. The option that checks style
    // sheets too gives every line of a page one too low, so a page goes without it.
    QStringList arguments{QStringLiteral("-jar"), jar, QStringLiteral("--format"),
                          QStringLiteral("json"), QStringLiteral("--stdout")};
    if (paths.size() == 1 && paths.first().endsWith(QStringLiteral(".css"), Qt::CaseInsensitive))
        arguments.append(QStringLiteral("--also-check-css"));
    arguments += paths;
    const Run nu = run(QStringLiteral("java"), arguments, 120'000);
    if (!nu.failure.isEmpty())
        return logged(QStringLiteral("Nu"), {nu.failure});
    const QJsonDocument report = QJsonDocument::fromJson(nu.out);
    if (!report.isObject())
        return logged(QStringLiteral("Nu"), QStringList{QStringLiteral("no report, only:")} +
                                                nonEmptyLines(nu.out + nu.err));
    QStringList messages;
    bool anyError = false;
    for (const QJsonValue& value : report.object().value(QStringLiteral("messages")).toArray()) {
        const QJsonObject message = value.toObject();
        anyError = anyError || message.value(QStringLiteral("type")).toString() != u"info";
        if (const QString text = nuMessage(message, paths.size() > 1); !text.isEmpty())
            messages.append(text);
    }
    // It ends with 1 when it found an error, which it has reported.
    if (nu.exitCode != 0 && !anyError)
        messages.append(QStringLiteral("Nu ended with code ") + QString::number(nu.exitCode));
    return logged(QStringLiteral("Nu"), messages);
}

} // namespace Validators
