#include "core/publish/UploadPlan.h"

#include "core/platform/PageFile.h"
#include "core/source/HtmlTokenizer.h"
#include "core/source/PageCheckValues.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace {

// The attributes whose value is an address.
bool namesFile(QStringView attribute) {
    return attribute == u"src" || attribute == u"href" || attribute == u"background";
}

bool isPage(const QString& path) {
    return path.endsWith(u".html", Qt::CaseInsensitive) ||
           path.endsWith(u".htm", Qt::CaseInsensitive);
}

// The folder as the start of the paths in it: "/a/b/".
QString asPrefix(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The addresses in url() in CSS text, as written between the parentheses or the quotes.
QStringList cssUrls(QStringView css) {
    static constexpr QStringView kUrl = u"url(";
    QStringList urls;
    qsizetype at = css.indexOf(kUrl, 0, Qt::CaseInsensitive);
    while (at >= 0) {
        at += kUrl.size();
        while (at < css.size() && css[at].isSpace())
            ++at;
        QChar close = u')';
        if (at < css.size() && (css[at] == u'"' || css[at] == u'\''))
            close = css[at++];
        const qsizetype end = css.indexOf(close, at);
        if (end < 0)
            break;
        urls << css.sliced(at, end - at).trimmed().toString();
        at = css.indexOf(kUrl, end + 1, Qt::CaseInsensitive);
    }
    return urls;
}

class PlanReader {
public:
    explicit PlanReader(const QString& page)
        : m_prefix(asPrefix(QFileInfo(page).path())),
          m_canonicalPrefix(asPrefix(QFileInfo(page).dir().canonicalPath())) {}

    Expected<UploadPlan> read(const QString& page) {
        const PageFile::Decoded text = PageFile::readText(page, PageFile::kPageCapacity);
        if (!text.ok())
            return {{text.error}};
        append(page);
        readPage(page, text.text);
        // One level deep: the pages this page names are read, the pages they name are not.
        const QList<UploadFile> named = m_plan.files.mid(1);
        for (const UploadFile& file : named) {
            if (!isPage(file.localPath))
                continue;
            const PageFile::Decoded linked =
                PageFile::readText(file.localPath, PageFile::kPageCapacity);
            // A page that cannot be read still goes up; its own upload says what is wrong.
            if (linked.ok())
                readPage(file.localPath, linked.text);
        }
        return {{}, m_plan};
    }

private:
    void append(const QString& path) {
        m_seen.insert(path);
        m_plan.files.append({path, path.sliced(m_prefix.size())});
    }

    // One pass over a page: its tags' addresses and the CSS in its <style> elements.
    void readPage(const QString& page, const QString& text) {
        const QString folder = QFileInfo(page).path();
        const auto part = [&text](HtmlTokenizer::Extent extent) {
            return QStringView(text).sliced(extent.start, extent.length);
        };
        HtmlTokenizer tokenizer;
        tokenizer.start(text);
        HtmlTokenizer::Token token;
        bool inStyle = false;
        while (tokenizer.next(token)) {
            switch (token.kind) {
            case HtmlTokenizer::Kind::StartTag:
                // A browser drops a tag the page ends in.
                if (token.unfinished)
                    break;
                inStyle = HtmlTokenizer::decoded(part(token.content),
                                                 HtmlTokenizer::Decoding::Name) == u"style";
                for (const HtmlTokenizer::Attribute& attribute : tokenizer.attributes()) {
                    if (attribute.duplicate || !attribute.name.present() ||
                        !attribute.value.present())
                        continue;
                    const QString name =
                        HtmlTokenizer::decoded(part(attribute.name), HtmlTokenizer::Decoding::Name);
                    const QString value = HtmlTokenizer::decoded(
                        part(attribute.value), HtmlTokenizer::Decoding::AttributeValue);
                    if (namesFile(name))
                        note(folder, value);
                    else if (name == u"style")
                        noteCss(folder, value);
                }
                break;
            case HtmlTokenizer::Kind::EndTag:
                inStyle = false;
                break;
            case HtmlTokenizer::Kind::Text:
                if (inStyle)
                    noteCss(folder, HtmlTokenizer::decoded(part(token.content), token.decoding));
                break;
            default:
                break;
            }
        }
    }

    void noteCss(const QString& folder, QStringView css) {
        for (const QString& url : cssUrls(css))
            note(folder, url);
    }

    // An address a page in the folder writes: a file for the plan, one left behind, or
    // nothing of the page's (another server, the page itself, a folder).
    void note(const QString& folder, const QString& written) {
        QString address = written.trimmed();
        address.replace(u'\\', u'/'); // as a browser reads an address on a web server
        if (address.startsWith(u"//") || Check::hasScheme(address))
            return;
        const auto cut = std::find_if(address.cbegin(), address.cend(),
                                      [](QChar c) { return c == u'?' || c == u'#'; });
        const QString name =
            QUrl::fromPercentEncoding(address.first(cut - address.cbegin()).toUtf8());
        if (name.isEmpty())
            return;
        const QString path = QDir::cleanPath(QDir(folder).absoluteFilePath(name));
        if (m_seen.contains(path))
            return;
        m_seen.insert(path);
        const QFileInfo info(path);
        if (!info.exists())
            m_plan.missing << written;
        else if (!info.isFile())
            return;
        else if (!path.startsWith(m_prefix) ||
                 !info.canonicalFilePath().startsWith(m_canonicalPrefix))
            m_plan.outside << written;
        else
            append(path);
    }

    const QString m_prefix;
    const QString m_canonicalPrefix;
    UploadPlan m_plan;
    QSet<QString> m_seen; // every path met, whatever became of it
};

QString withNames(const QString& sentence, const QStringList& names) {
    return sentence.arg(names.join(QStringLiteral(", ")));
}

} // namespace

Expected<UploadPlan> planUpload(const QString& pagePath) {
    const QString page = QDir::cleanPath(QFileInfo(pagePath).absoluteFilePath());
    return PlanReader(page).read(page);
}

QString outsideSentence(const QStringList& names) {
    return withNames(QStringLiteral("Nicht hochgeladen, weil außerhalb des Ordners der Seite: %1"),
                     names);
}

QString missingSentence(const QStringList& names) {
    return withNames(QStringLiteral("Übersprungen, weil nicht vorhanden: %1"), names);
}
