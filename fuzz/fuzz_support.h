#pragma once
// What every fuzz target shares: a scratch program folder, files written byte for byte, and a
// check that reports a broken property by aborting, so the fuzzer keeps the input.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The sanitizer's defaults for every fuzz target (the environment's ASAN_OPTIONS still win). An
// allocation keeps only the function that made it: Qt's libraries have no frame pointers, so the
// fast unwinder reads stale words beyond them, every deeper stack looks new, and the sanitizer's
// stack store grows without bound (past 2 GB in ten minutes). Reports keep the faulting stack.
// Each target is one source file, so this is defined once per program.
extern "C" __attribute__((used)) const char* __asan_default_options()
{
    return "malloc_context_size=1";
}

namespace fuzz {

inline void check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// One folder for the whole run: each input overwrites the files it needs.
inline const QString& scratch()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

inline QString scratchFile(const QString& relative)
{
    const QString path = scratch() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    return path;
}

inline void writeBytes(const QString& path, QByteArrayView bytes)
{
    QFile f(path);
    check(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file can be written");
    f.write(bytes.data(), bytes.size());
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArrayView view(const uint8_t* data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzz
