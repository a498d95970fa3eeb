#include "platform/services_fake.h"

namespace platform {

std::optional<QString> FakeSettings::read(const QString& keyPath, const QString& valueName)
{
    ++reads;
    return data.read(keyPath, valueName);
}

bool FakeSettings::write(const QString& keyPath, const QString& valueName, const QString& value)
{
    ++writes;
    if (failWrites) return false;
    data.write(keyPath, valueName, value);
    return true;
}

bool FakeSettings::keyExists(const QString& keyPath)
{
    return data.keyExists(keyPath);
}

bool FakeSettings::createKey(const QString& keyPath)
{
    if (failWrites) return false;
    data.createKey(keyPath);
    return true;
}

bool FakeShell::open(const QString& folderOrAddress)
{
    opened += folderOrAddress;
    return openResult;
}

bool FakeShell::startProgram(const QString& path, const QStringList& args)
{
    started += Started{path, args};
    return startResult;
}

bool FakeShell::writeDesktopShortcut(const QString& name, const QString& target, const QString& workingFolder,
                                     const QString& iconPath)
{
    shortcuts += Shortcut{name, target, workingFolder, iconPath};
    return shortcutResult;
}

QStringList FakeKeyboardLayouts::layouts()
{
    QStringList ids;
    for (const Layout& l : list)
        ids += l.id;
    return ids;
}

QString FakeKeyboardLayouts::inputMethodName(int index)
{
    return index >= 0 && index < list.size() ? list.at(index).inputMethod : QString();
}

bool FakeKeyboardLayouts::activate(int index)
{
    activated += index;
    if (index < 0 || index >= list.size()) return false;
    current = index;
    return true;
}

int FakeKeyboardLayouts::active()
{
    if (list.isEmpty()) return -1;
    return current;
}

QString FakeKeyboardLayouts::layoutName(int index)
{
    if (index < 0 || index >= list.size()) return {};
    const Layout& l = list.at(index);
    return l.name.isEmpty() ? l.id : l.name;
}

std::optional<QString> FakeWebFetcher::fetchText(const QString& address, int timeoutMs)
{
    requests += Request{address, timeoutMs};
    const auto it = pages.constFind(address);
    return it == pages.constEnd() ? std::nullopt : *it;
}

FakeServices::FakeServices()
{
    setSettings(&settings);
    setShell(&shell);
    setKeyboardLayouts(&keyboard);
    setWebFetcher(&web);
}

FakeServices::~FakeServices()
{
    setSettings(nullptr);
    setShell(nullptr);
    setKeyboardLayouts(nullptr);
    setWebFetcher(nullptr);
}

} // namespace platform
