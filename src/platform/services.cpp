#include "platform/services.h"

#include "platform/files.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLocale>
#include <QLockFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimer>

namespace platform {

// ---------------------------------------------------------------------------------------------
// Installed services

namespace {

template <class Service, class Real> struct Slot {
    Service* installed = nullptr;
    Service& get()
    {
        if (installed) return *installed;
        static Real real;
        return real;
    }
};

Slot<SettingsStore, FileSettingsStore> settingsSlot;
Slot<Shell, DesktopShell> shellSlot;
Slot<KeyboardLayouts, SystemKeyboardLayouts> keyboardSlot;
Slot<WebFetcher, NetWebFetcher> webSlot;

} // namespace

SettingsStore& settings()
{
    return settingsSlot.get();
}
Shell& shell()
{
    return shellSlot.get();
}
KeyboardLayouts& keyboardLayouts()
{
    return keyboardSlot.get();
}
WebFetcher& webFetcher()
{
    return webSlot.get();
}
void setSettings(SettingsStore* s)
{
    settingsSlot.installed = s;
}
void setShell(Shell* s)
{
    shellSlot.installed = s;
}
void setKeyboardLayouts(KeyboardLayouts* k)
{
    keyboardSlot.installed = k;
}
void setWebFetcher(WebFetcher* w)
{
    webSlot.installed = w;
}

QString KeyboardLayouts::layoutName(int index)
{
    return layouts().value(index);
}

// ---------------------------------------------------------------------------------------------
// SettingsData

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "%XX" stands for the character U+00XX, "%uXXXX" for one UTF-16 unit (a lone surrogate,
// which UTF-8 cannot carry).
QString escape(const QString& text, bool isName)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate()) {
            out +=
                QStringLiteral("%u") + QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0'));
        } else if (u < 0x20 || u == 0x7f || u == '%' ||
                   (isName && (u == '=' || u == '[' || u == ';' || u == '#'))) {
            out += QLatin1Char('%') + QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<QString> unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        bool ok = false;
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('u')) {
            if (i + 6 > text.size()) return std::nullopt;
            const uint v = text.mid(i + 2, 4).toUInt(&ok, 16);
            if (!ok) return std::nullopt;
            out += QChar(char16_t(v));
            i += 5;
        } else {
            if (i + 3 > text.size()) return std::nullopt;
            const uint v = text.mid(i + 1, 2).toUInt(&ok, 16);
            if (!ok) return std::nullopt;
            out += QChar(char16_t(v));
            i += 2;
        }
    }
    return out;
}

} // namespace

QString SettingsData::normalizeKeyPath(const QString& keyPath)
{
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

SettingsData::Key* SettingsData::find(const QString& normalizedPath)
{
    for (Key& k : keys_)
        if (sameName(k.path, normalizedPath)) return &k;
    return nullptr;
}

const SettingsData::Key* SettingsData::find(const QString& normalizedPath) const
{
    for (const Key& k : keys_)
        if (sameName(k.path, normalizedPath)) return &k;
    return nullptr;
}

SettingsData::Key& SettingsData::ensure(const QString& normalizedPath)
{
    if (Key* k = find(normalizedPath)) return *k;
    keys_.append(Key{normalizedPath, {}});
    return keys_.last();
}

std::optional<QString> SettingsData::read(const QString& keyPath, const QString& valueName) const
{
    const Key* k = find(normalizeKeyPath(keyPath));
    if (!k) return std::nullopt;
    for (const Value& v : k->values)
        if (sameName(v.name, valueName)) return v.text;
    return std::nullopt;
}

void SettingsData::write(const QString& keyPath, const QString& valueName, const QString& value)
{
    Key& k = ensure(normalizeKeyPath(keyPath));
    for (Value& v : k.values) {
        if (sameName(v.name, valueName)) {
            v.text = value;
            return;
        }
    }
    k.values.append(Value{valueName, value});
}

bool SettingsData::keyExists(const QString& keyPath) const
{
    const QString path = normalizeKeyPath(keyPath);
    if (path.isEmpty()) return true;
    const QString prefix = path + QLatin1Char('\\');
    for (const Key& k : keys_)
        if (sameName(k.path, path) || k.path.startsWith(prefix, Qt::CaseInsensitive)) return true;
    return false;
}

void SettingsData::createKey(const QString& keyPath)
{
    const QString path = normalizeKeyPath(keyPath);
    if (!keyExists(path)) ensure(path);
}

QStringList SettingsData::keys() const
{
    QStringList out;
    for (const Key& k : keys_)
        out += k.path;
    return out;
}

QByteArray SettingsData::serialize() const
{
    QString text =
        QStringLiteral("; Settings of the Brannock family of trainers, in place of the registry.\n");
    for (const Key& k : keys_) {
        text += QLatin1Char('[') + escape(k.path, false) + QStringLiteral("]\n");
        for (const Value& v : k.values)
            text += escape(v.name, true) + QLatin1Char('=') + escape(v.text, false) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

SettingsData SettingsData::parseReadable(const QByteArray& bytes, bool* damaged)
{
    bool skipped = false;
    SettingsData data;
    Key* current = nullptr;
    for (const QByteArray& raw : bytes.split('\n')) {
        // Line by line, so that bytes that are not UTF-8 cost only their own line.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(raw);
        if (utf8.hasError()) {
            skipped = true;
            continue;
        }
        QStringView line(decoded);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const auto path = unescape(line.mid(1, line.size() - 2));
            // The values under a key that cannot be read have no key to go to.
            current = path ? &data.ensure(normalizeKeyPath(*path)) : nullptr;
            if (!path) skipped = true;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const auto name = eq < 0 ? std::nullopt : unescape(line.left(eq));
        const auto value = eq < 0 ? std::nullopt : unescape(line.mid(eq + 1));
        if (!current || !name || !value) {
            skipped = true;
            continue;
        }
        bool replaced = false;
        for (Value& v : current->values) {
            if (sameName(v.name, *name)) {
                v.text = *value;
                replaced = true;
            }
        }
        if (!replaced) current->values.append(Value{*name, *value});
    }
    if (damaged) *damaged = skipped;
    return data;
}

std::optional<SettingsData> SettingsData::parse(const QByteArray& bytes)
{
    bool damaged = false;
    SettingsData data = parseReadable(bytes, &damaged);
    if (damaged) return std::nullopt;
    return data;
}

// ---------------------------------------------------------------------------------------------
// FileSettingsStore

FileSettingsStore::FileSettingsStore()
    : fileName_(defaultFileName())
{}

FileSettingsStore::FileSettingsStore(const QString& fileName)
    : fileName_(fileName)
{}

QString FileSettingsStore::defaultFileName()
{
    const QString fromEnv = qEnvironmentVariable("BRANNOCK_SETTINGS_FILE");
    if (!fromEnv.isEmpty()) return fromEnv;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/brannock-family/registry.ini");
}

std::optional<SettingsData> FileSettingsStore::load(bool* damaged) const
{
    if (damaged) *damaged = false;
    // A pipe or device in the file's place holds no settings: it reads as no file.
    const FileRead file = readRegularFile(fileName_);
    if (file.status == FileReadStatus::Missing || file.status == FileReadStatus::Special)
        return SettingsData{};
    if (!file.ok()) return std::nullopt;
    return SettingsData::parseReadable(file.bytes, damaged);
}

template <class Change> bool FileSettingsStore::change(Change&& apply)
{
    const QFileInfo info(fileName_);
    if (!QDir().mkpath(info.absolutePath())) return false;
    QLockFile lock(fileName_ + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) return false;
    // Read again under the lock: another program may have written since our last look.
    bool damaged = false;
    std::optional<SettingsData> data = load(&damaged);
    if (!data) return false;
    const QByteArray before = data->serialize();
    apply(*data);
    const QByteArray after = data->serialize();
    // A damaged file is rewritten with what could be read, even when nothing changes.
    if (after == before && !damaged && QFileInfo::exists(fileName_)) return true;
    return saveFileWhole(fileName_, after) == FileSaveStatus::Ok;
}

std::optional<QString> FileSettingsStore::read(const QString& keyPath, const QString& valueName)
{
    // A writer replaces the file by a rename, so a read without the lock sees one whole version.
    const auto data = load();
    return data ? data->read(keyPath, valueName) : std::nullopt;
}

bool FileSettingsStore::write(const QString& keyPath, const QString& valueName, const QString& value)
{
    return change([&](SettingsData& d) { d.write(keyPath, valueName, value); });
}

bool FileSettingsStore::keyExists(const QString& keyPath)
{
    const auto data = load();
    return data && data->keyExists(keyPath);
}

bool FileSettingsStore::createKey(const QString& keyPath)
{
    return change([&](SettingsData& d) { d.createKey(keyPath); });
}

// ---------------------------------------------------------------------------------------------
// DesktopShell

namespace {

QString desktopFolderFromEnvironment()
{
    const QString fromEnv = qEnvironmentVariable("BRANNOCK_DESKTOP_DIR");
    if (!fromEnv.isEmpty()) return fromEnv;
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// The string escapes of a desktop entry's values.
QString entryString(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            out += c;
        }
    }
    if (out.startsWith(QLatin1Char(' '))) out.replace(0, 1, QStringLiteral("\\s"));
    return out;
}

// One argument of an Exec line: always quoted, with the characters that quoting does not protect
// escaped; "%" doubled, since a single one starts a field code.
QString execArgument(const QString& arg)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%')) quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return quoted;
}

bool isExistingFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace

DesktopShell::DesktopShell()
    : desktopFolder_(desktopFolderFromEnvironment())
{}

DesktopShell::DesktopShell(const QString& desktopFolder)
    : desktopFolder_(desktopFolder)
{}

QUrl DesktopShell::urlFor(const QString& folderOrAddress)
{
    const QString text = folderOrAddress.trimmed();
    if (text.isEmpty()) return {};
    // A scheme has two letters at least, so a drive letter ("C:") is not taken for one.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch()) {
        QUrl url(text, QUrl::TolerantMode);
        return url.isValid() ? url : QUrl();
    }
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    for (const QString& candidate :
         {folderOrAddress, QString(folderOrAddress).replace(QLatin1Char('\\'), QLatin1Char('/'))}) {
        const QFileInfo info(candidate);
        if (info.exists()) return QUrl::fromLocalFile(QDir::cleanPath(info.absoluteFilePath()));
    }
    return {};
}

bool DesktopShell::open(const QString& folderOrAddress)
{
    const QUrl url = urlFor(folderOrAddress);
    if (!url.isValid() || !qGuiApp) return false;
    return QDesktopServices::openUrl(url);
}

QString DesktopShell::resolveProgram(const QString& path)
{
    if (path.isEmpty()) return {};
    QStringList candidates{path};
    if (path.contains(QLatin1Char('\\')))
        candidates += QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString& candidate : candidates) {
        if (isExistingFile(candidate)) return QFileInfo(candidate).absoluteFilePath();
        if (candidate.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
            const QString bare = candidate.chopped(4);
            if (!bare.isEmpty() && isExistingFile(bare)) return QFileInfo(bare).absoluteFilePath();
        }
    }
    return {};
}

bool DesktopShell::startProgram(const QString& path, const QStringList& args)
{
    const QString program = resolveProgram(path);
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, args, QFileInfo(program).absolutePath());
}

QString DesktopShell::shortcutFileName(const QString& name)
{
    QString base = name;
    if (base.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive)) base.chop(4);
    base.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        base = QStringLiteral("shortcut");
    return base + QStringLiteral(".desktop");
}

QString DesktopShell::desktopEntry(const QString& name, const QString& target, const QString& workingFolder,
                                   const QString& iconPath)
{
    QString shownName = name;
    if (shownName.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive)) shownName.chop(4);
    const QString resolved = resolveProgram(target);
    const QString program = resolved.isEmpty() ? target : resolved;

    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    text += QStringLiteral("Name=") + entryString(shownName) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + entryString(execArgument(program)) + QLatin1Char('\n');
    if (!workingFolder.isEmpty())
        text += QStringLiteral("Path=") + entryString(workingFolder) + QLatin1Char('\n');
    if (!iconPath.isEmpty()) text += QStringLiteral("Icon=") + entryString(iconPath) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");
    return text;
}

bool DesktopShell::writeDesktopShortcut(const QString& name, const QString& target,
                                        const QString& workingFolder, const QString& iconPath)
{
    // A missing desktop folder means no shortcut.
    if (desktopFolder_.isEmpty() || !QFileInfo(desktopFolder_).isDir()) return false;
    const QString fileName = desktopFolder_ + QLatin1Char('/') + shortcutFileName(name);
    if (saveFileWhole(fileName, desktopEntry(name, target, workingFolder, iconPath).toUtf8()) !=
        FileSaveStatus::Ok)
        return false;
    // Desktops launch only launcher files marked executable.
    return QFile::setPermissions(fileName, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadUser | QFile::WriteUser | QFile::ExeUser |
                                               QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
}

// ---------------------------------------------------------------------------------------------
// NetWebFetcher

namespace {

QString charsetOf(const QString& contentType)
{
    static const QRegularExpression re(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9._:-]+)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(contentType);
    return m.hasMatch() ? m.captured(1) : QString();
}

bool looksLikeHtml(const QByteArray& body)
{
    const QByteArray head = body.left(1024).trimmed().toLower();
    return head.startsWith("<!doctype html") || head.startsWith("<html") || head.contains("<body") ||
           head.contains("<head");
}

std::optional<QString> decodeWith(const QString& charset, const QByteArray& body)
{
    QString name = charset.trimmed().toLower();
    // As browsers do: the Chinese labels all mean the superset.
    if (name == QLatin1String("gb2312") || name == QLatin1String("gbk") || name == QLatin1String("x-gbk") ||
        name == QLatin1String("cp936"))
        name = QStringLiteral("GB18030");
    QStringDecoder decoder(name.toLatin1().constData());
    if (!decoder.isValid()) return std::nullopt;
    return QString(decoder(body));
}

// A character reference (the text after '&'): its character and the length read, or nothing
// when it is no reference (the '&' is then text).
std::optional<std::pair<QString, qsizetype>> characterReference(QStringView s)
{
    if (s.startsWith(u'#')) {
        const bool hex = s.size() > 1 && (s[1] == u'x' || s[1] == u'X');
        qsizetype i = hex ? 2 : 1;
        const qsizetype first = i;
        char32_t code = 0;
        for (; i < s.size() && i - first < 8; ++i) {
            const char16_t c = s[i].unicode();
            int digit = -1;
            if (c >= u'0' && c <= u'9')
                digit = c - u'0';
            else if (hex && c >= u'a' && c <= u'f')
                digit = c - u'a' + 10;
            else if (hex && c >= u'A' && c <= u'F')
                digit = c - u'A' + 10;
            if (digit < 0) break;
            code = code * (hex ? 16 : 10) + char32_t(digit);
        }
        if (i == first) return std::nullopt;
        if (i < s.size() && s[i] == u';') ++i;
        // As browsers do: nothing, a surrogate or a code past Unicode is the replacement character.
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
        return std::pair{QString::fromUcs4(&code, 1), i};
    }
    static const struct {
        const char* name;
        char16_t c;
    } named[] = {{"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''},
                 {"nbsp", u' '}, {"copy", u'\u00A9'}, {"reg", u'\u00AE'}, {"middot", u'\u00B7'}};
    for (const auto& n : named) {
        const QLatin1StringView name(n.name);
        if (s.size() > name.size() && s.startsWith(name, Qt::CaseSensitive) && s[name.size()] == u';')
            return std::pair{QString(QChar(n.c)), name.size() + 1};
    }
    return std::nullopt;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The text of an HTML page as its reader sees it, by a small reader of our own: markup,
// comments and the contents of script, style and title dropped; runs of blanks as one space,
// none at the start of a line; block elements and <br> end a line; a picture stands as the
// object character U+FFFC; character references decoded. Any text at all reads to an end.
QString htmlText(const QString& page)
{
    static const QStringList blocks = {
        QStringLiteral("address"), QStringLiteral("blockquote"), QStringLiteral("body"),
        QStringLiteral("center"),  QStringLiteral("dd"),         QStringLiteral("div"),
        QStringLiteral("dl"),      QStringLiteral("dt"),         QStringLiteral("form"),
        QStringLiteral("h1"),      QStringLiteral("h2"),         QStringLiteral("h3"),
        QStringLiteral("h4"),      QStringLiteral("h5"),         QStringLiteral("h6"),
        QStringLiteral("head"),    QStringLiteral("hr"),         QStringLiteral("html"),
        QStringLiteral("li"),      QStringLiteral("ol"),         QStringLiteral("p"),
        QStringLiteral("pre"),     QStringLiteral("table"),      QStringLiteral("tr"),
        QStringLiteral("ul")};
    static const QStringList hidden = {QStringLiteral("script"), QStringLiteral("style"),
                                       QStringLiteral("title")};
    const QStringView s(page);
    QString out;
    bool lineStart = true;  // nothing yet on this line: blanks are dropped
    bool pendingSpace = false;
    bool pendingLine = false;
    int preDepth = 0;
    auto put = [&](QStringView text) {
        if (pendingLine && !out.isEmpty()) out += u'\n';
        else if (pendingSpace && !lineStart) out += u' ';
        pendingLine = pendingSpace = false;
        out += text;
        lineStart = false;
    };
    // A line keeps one blank at its end, as it had one in the markup.
    auto endLine = [&] {
        if (pendingSpace && !lineStart) out += u' ';
        pendingSpace = false;
    };
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == u'<' && i + 1 < s.size()) {
            const QChar n = s[i + 1];
            if (s.mid(i).startsWith(u"<!--")) {
                const qsizetype end = s.indexOf(u"-->", i + 4);
                i = end < 0 ? s.size() : end + 3;
                continue;
            }
            if (n == u'!' || n == u'?') {
                const qsizetype end = s.indexOf(u'>', i + 2);
                i = end < 0 ? s.size() : end + 1;
                continue;
            }
            const bool closing = n == u'/';
            qsizetype j = i + (closing ? 2 : 1);
            if (j < s.size() && s[j].isLetter()) {
                const qsizetype nameStart = j;
                while (j < s.size() && s[j].isLetterOrNumber()) ++j;
                const QString name = s.mid(nameStart, j - nameStart).toString().toLower();
                // The rest of the tag, quoted attribute values read whole.
                QChar quote;
                while (j < s.size() && (s[j] != u'>' || !quote.isNull())) {
                    if (quote.isNull() && (s[j] == u'"' || s[j] == u'\''))
                        quote = s[j];
                    else if (s[j] == quote)
                        quote = QChar();
                    ++j;
                }
                i = j < s.size() ? j + 1 : s.size();
                if (!closing && hidden.contains(name)) {
                    const qsizetype end = s.indexOf(QString(QStringLiteral("</") + name), i, Qt::CaseInsensitive);
                    if (end < 0) break;
                    const qsizetype close = s.indexOf(u'>', end);
                    i = close < 0 ? s.size() : close + 1;
                } else if (name == QLatin1String("br")) {
                    endLine();
                    if (pendingLine && !out.isEmpty()) out += u'\n';
                    pendingLine = false;
                    out += u'\n';
                    lineStart = true;
                } else if (name == QLatin1String("img")) {
                    put(u"\uFFFC");
                } else if (name == QLatin1String("td") || name == QLatin1String("th")) {
                    pendingSpace = true;
                } else if (blocks.contains(name)) {
                    if (name == QLatin1String("pre")) preDepth = std::max(0, preDepth + (closing ? -1 : 1));
                    endLine();
                    pendingLine = !out.isEmpty();
                    if (pendingLine) lineStart = true;
                }
                continue;
            }
        }
        if (c == u'&') {
            if (const auto ref = characterReference(s.mid(i + 1))) {
                put(ref->first);
                i += 1 + ref->second;
                continue;
            }
        }
        if (isBlank(c) && preDepth == 0) {
            pendingSpace = true;
            ++i;
            continue;
        }
        if (preDepth > 0 && (c == u'\n' || c == u'\r')) {
            if (c == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') ++i;
            if (pendingLine && !out.isEmpty()) out += u'\n';
            out += u'\n';
            pendingLine = pendingSpace = false;
            lineStart = true;
            ++i;
            continue;
        }
        put(s.sliced(i, 1));
        ++i;
    }
    endLine();
    return out;
}

} // namespace

QString NetWebFetcher::decodeBody(const QByteArray& body, const QString& contentType)
{
    const QString type = contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    const bool html =
        type.contains(QLatin1String("html")) ||
        ((type.isEmpty() || type == QLatin1String("application/octet-stream")) && looksLikeHtml(body));

    QString charset = charsetOf(contentType);
    if (charset.isEmpty() && html) {
        static const QRegularExpression meta(
            QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?([A-Za-z0-9._:-]+)"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = meta.match(QString::fromLatin1(body.left(4096)));
        if (m.hasMatch()) charset = m.captured(1);
    }

    std::optional<QString> text;
    if (!charset.isEmpty()) text = decodeWith(charset, body);
    if (!text) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString s = utf8(body);
        if (!utf8.hasError())
            text = s;
        else
            text = decodeWith(QStringLiteral("GB18030"), body);
    }
    if (!text) // no GB18030 in this Qt: keep what UTF-8 makes of it
        text = QString::fromUtf8(body);

    return html ? htmlText(*text) : *text;
}

namespace {

// Only http and https addresses are fetched; an invalid URL for anything else.
QUrl webUrl(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) return {};
    return url;
}

QNetworkRequest pageRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return request;
}

// The text of a reply that has finished; nothing for a network error or an error status.
std::optional<QString> finishedText(QNetworkReply& reply)
{
    if (reply.error() != QNetworkReply::NoError) return std::nullopt;
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) return std::nullopt;
    return NetWebFetcher::decodeBody(reply.readAll(), reply.header(QNetworkRequest::ContentTypeHeader).toString());
}

class FinishedReply final : public WebReply {
public:
    explicit FinishedReply(std::optional<QString> text)
        : text_(std::move(text))
    {}
    State state() const override { return text_ ? State::Done : State::Failed; }
    QString text() const override { return text_.value_or(QString()); }

private:
    std::optional<QString> text_;
};

class NetReply final : public WebReply {
public:
    NetReply(const QUrl& url, qint64 maxBytes)
        : maxBytes_(maxBytes)
    {
        reply_.reset(manager_.get(pageRequest(url)));
        QNetworkReply* r = reply_.get();
        // A declared length beyond the limit fails before the body comes; a body that grows
        // beyond it fails as it arrives.
        QObject::connect(r, &QNetworkReply::metaDataChanged, r, [this] {
            const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > maxBytes_) fail();
        });
        QObject::connect(r, &QNetworkReply::downloadProgress, r, [this](qint64 received, qint64) {
            if (received > maxBytes_) fail();
        });
        QObject::connect(r, &QNetworkReply::finished, r, [this] {
            if (state_ != State::Pending) return;
            const std::optional<QString> text = finishedText(*reply_);
            text_ = text.value_or(QString());
            state_ = text ? State::Done : State::Failed;
        });
    }
    ~NetReply() override
    {
        if (reply_ && !reply_->isFinished()) {
            state_ = State::Failed;
            reply_->abort();
        }
    }
    State state() const override { return state_; }
    QString text() const override { return state_ == State::Done ? text_ : QString(); }

private:
    void fail()
    {
        if (state_ != State::Pending) return;
        state_ = State::Failed;
        reply_->abort();
    }
    qint64 maxBytes_;
    State state_ = State::Pending;
    QString text_;
    QNetworkAccessManager manager_;
    std::unique_ptr<QNetworkReply> reply_;
};

} // namespace

std::unique_ptr<WebReply> WebFetcher::start(const QString& address, qint64)
{
    return std::make_unique<FinishedReply>(fetchText(address, 0));
}

std::unique_ptr<WebReply> NetWebFetcher::start(const QString& address, qint64 maxBytes)
{
    const QUrl url = webUrl(address);
    if (!url.isValid()) return std::make_unique<FinishedReply>(std::nullopt);
    return std::make_unique<NetReply>(url, maxBytes);
}

std::optional<QString> NetWebFetcher::fetchText(const QString& address, int timeoutMs)
{
    const QUrl url = webUrl(address);
    if (!url.isValid()) return std::nullopt;
    if (timeoutMs <= 0) timeoutMs = 30000;
    // A manager of its own per fetch: nothing of it outlives the call (the real fetcher is a
    // static that would otherwise be destroyed after the application object).
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(pageRequest(url)));

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!reply->isFinished()) {
        reply->abort();
        return std::nullopt;
    }
    return finishedText(*reply);
}

} // namespace platform
