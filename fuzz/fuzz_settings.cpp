// The settings file: whatever it holds, what can be read of it is kept by a write, the file is
// then wholly in the format, and it reads back what was written.
#include "fuzz_support.h"
#include "platform/services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::view(data, size).toByteArray();
    bool damaged = false;
    const platform::SettingsData readable = platform::SettingsData::parseReadable(bytes, &damaged);
    const std::optional<platform::SettingsData> strict = platform::SettingsData::parse(bytes);
    fuzz::check(strict.has_value() == !damaged, "the strict reader refuses exactly the damaged files");
    if (strict)
        fuzz::check(strict->serialize() == readable.serialize(), "both readers agree on a sound file");
    const std::optional<platform::SettingsData> again = platform::SettingsData::parse(readable.serialize());
    fuzz::check(again && again->serialize() == readable.serialize(), "what was read round-trips");

    const QString path = fuzz::scratchFile(QStringLiteral("registry.ini"));
    fuzz::writeBytes(path, bytes);
    platform::FileSettingsStore store(path);
    const QString key = QStringLiteral("Software\\Microsoft"), name = QStringLiteral("ProPath07");
    const QString value = QStringLiteral("/opt/模块%=[x]\t") + QString::number(size);
    fuzz::check(store.write(key, name, value), "a write to a damaged file succeeds");
    const std::optional<platform::SettingsData> written =
        platform::SettingsData::parse(fuzz::readBytes(path));
    fuzz::check(written.has_value(), "the file written is wholly in the format");
    fuzz::check(store.read(key, name) == value, "the value written reads back");
    for (const QString& k : readable.keys())
        fuzz::check(written->keyExists(k), "every key that could be read is kept");
    return 0;
}
