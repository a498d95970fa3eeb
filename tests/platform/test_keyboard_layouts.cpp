// The real keyboard service: the readers of setxkbmap's, fcitx5's and IBus's answers, the choice of
// source and the switching, against stand-ins for the programs, the X display and the bus.
#include "platform/keyboard_layouts.h"

#include <QElapsedTimer>
#include <QMap>
#include <gtest/gtest.h>

#ifdef BRANNOCK_HAVE_DBUS
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#endif

using namespace platform;
using namespace platform::keyboard;

namespace {

// ---------------------------------------------------------------------------------------------
// Readers

TEST(KeyboardReaders, XkbQueryGivesOneLayoutPerGroup)
{
    const struct {
        const char* output;
        QStringList layouts;
    } cases[] = {
        {"rules:      evdev\nmodel:      pc105\nlayout:     us,cn\nvariant:    ,\n", {"us", "cn"}},
        {"layout: de\n", {"de"}},
        {"layout:     us,de\nvariant:    ,nodeadkeys\n", {"us", "de(nodeadkeys)"}},
        {"layout: us,de\r\nvariant: intl,\r\n", {"us(intl)", "de"}},
        {"layout:     us,,de\n", {"us", "de"}},
        {"model: pc105\nlayout:\n", {}},
        {"Cannot open display \"default display\"\n", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layoutsFromXkbQuery(QString::fromUtf8(c.output)), c.layouts) << c.output;
}

TEST(KeyboardReaders, ReadableLayoutNames)
{
    const struct {
        const char* id;
        const char* name;
    } cases[] = {
        {"us", "English (US)"},
        {"US", "English (US)"},
        {"de(nodeadkeys)", "German"},
        {"de-nodeadkeys", "German"},
        {"cn", "Chinese"},
        {"zz", "zz"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readableLayoutName(QString::fromUtf8(c.id)), QString::fromUtf8(c.name)) << c.id;
}

TEST(KeyboardReaders, PlainKeyboardsOfTheFrameworks)
{
    const struct {
        const char* name;
        const char* fcitx;
        const char* ibus;
    } cases[] = {
        {"keyboard-us", "us", ""}, {"keyboard-de-nodeadkeys", "de-nodeadkeys", ""},
        {"keyboard-", "", ""},     {"pinyin", "", ""},
        {"xkb:us::eng", "", "us"}, {"xkb:de:nodeadkeys:ger", "", "de(nodeadkeys)"},
        {"xkb::", "", ""},         {"libpinyin", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fcitxKeyboardLayout(QString::fromUtf8(c.name)), QString::fromUtf8(c.fcitx)) << c.name;
        EXPECT_EQ(ibusKeyboardLayout(QString::fromUtf8(c.name)), QString::fromUtf8(c.ibus)) << c.name;
    }
}

TEST(KeyboardReaders, IBusEngineList)
{
    const QString output = QStringLiteral("language: Chinese\n"
                                          "  libpinyin - Intelligent Pinyin\n"
                                          "  rime - 中州韻\n"
                                          "language: English\n"
                                          "  xkb:us::eng - English (US)\n"
                                          "  bare\n");
    const QList<IBusEngine> expected = {
        {QStringLiteral("libpinyin"), QStringLiteral("Intelligent Pinyin"), QStringLiteral("Chinese")},
        {QStringLiteral("rime"), QStringLiteral("中州韻"), QStringLiteral("Chinese")},
        {QStringLiteral("xkb:us::eng"), QStringLiteral("English (US)"), QStringLiteral("English")},
        {QStringLiteral("bare"), QString(), QStringLiteral("English")},
    };
    EXPECT_EQ(ibusEnginesFromList(output), expected);
    EXPECT_TRUE(ibusEnginesFromList(QStringLiteral("Can't connect to IBus.\n")).isEmpty());
}

TEST(KeyboardReaders, IBusChosenAndCurrentEngines)
{
    const struct {
        const char* config;
        QStringList engines;
    } preload[] = {
        {"SCHEMA: org.freedesktop.ibus.general\n  preload-engines: ['xkb:us::eng', 'libpinyin']\n"
         "  engines-order: @as []\n",
         {"xkb:us::eng", "libpinyin"}},
        {"  preload-engines: @as []\n", {}},
        {"  preload-engines: [\"it's\", 'rime']\n", {"it's", "rime"}},
        {"  engines-order: ['libpinyin']\n", {}},
    };
    for (const auto& c : preload)
        EXPECT_EQ(ibusPreloadEngines(QString::fromUtf8(c.config)), c.engines) << c.config;

    const struct {
        const char* output;
        const char* engine;
    } current[] = {
        {"libpinyin\n", "libpinyin"}, {"xkb:us::eng", "xkb:us::eng"}, {"No engine is set.\n", ""}, {"", ""},
        {"libpinyin\nrime\n", ""},
    };
    for (const auto& c : current)
        EXPECT_EQ(ibusCurrentEngine(QString::fromUtf8(c.output)), QString::fromUtf8(c.engine)) << c.output;
}

// ---------------------------------------------------------------------------------------------
// Stand-ins

class FakeRunner final : public CommandRunner {
public:
    // "program arg arg" -> its result; a command not here does not start.
    QMap<QString, std::optional<Result>> answers;
    QStringList installed; // names find() knows, as "/usr/bin/<name>"
    QStringList calls;

    std::optional<Result> run(const QString& program, const QStringList& args, int timeoutMs) override
    {
        EXPECT_GT(timeoutMs, 0);
        EXPECT_LE(timeoutMs, 5000);
        const QString command = (QStringList{program} + args).join(QLatin1Char(' '));
        calls += command;
        return answers.value(command);
    }
    QString find(const QString& name) override
    {
        return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    void answer(const QString& command, int exitCode, const QString& output = {})
    {
        answers[command] = Result{exitCode, output};
    }
};

class FakeXkb final : public XkbDisplay {
public:
    std::optional<State> current;
    bool lockWorks = true;
    QList<int> locked;

    std::optional<State> state() override { return current; }
    bool lockGroup(int group) override
    {
        locked += group;
        if (!lockWorks || !current) return false;
        current->group = group;
        return true;
    }
};

class FakeFcitx final : public FcitxController {
public:
    bool isRunning = true;
    std::optional<FcitxGroup> current;
    QString inputMethod;
    bool setWorks = true;
    QStringList set;

    bool running() override { return isRunning; }
    std::optional<FcitxGroup> group() override { return current; }
    QString currentInputMethod() override { return inputMethod; }
    bool setCurrentInputMethod(const QString& name) override
    {
        set += name;
        if (setWorks) inputMethod = name;
        return setWorks;
    }
};

// A keyboard service over stand-ins that the test keeps pointers to.
struct Machine {
    FakeRunner* runner = new FakeRunner;
    FakeXkb* xkb = new FakeXkb;
    FakeFcitx* fcitx = new FakeFcitx;
    Sources sources;

    Machine()
    {
        sources.runner.reset(runner);
        sources.xkb.reset(xkb);
        sources.fcitx.reset(fcitx);
        sources.x11 = true;
        fcitx->isRunning = false;
    }
    // An X display whose keyboard has these groups, listed by setxkbmap too.
    void xGroups(const QString& layouts, const QStringList& names, int active)
    {
        runner->installed += QStringLiteral("setxkbmap");
        runner->answer(QStringLiteral("/usr/bin/setxkbmap -query"), 0,
                       QStringLiteral("rules: evdev\nmodel: pc105\nlayout: ") + layouts + QLatin1Char('\n'));
        xkb->current = XkbDisplay::State{active, names};
    }
    // ibus-daemon running with engine in use and the chosen engines of its settings.
    void ibus(const QString& engine, const QString& preload)
    {
        runner->installed += QStringLiteral("ibus");
        runner->answer(QStringLiteral("/usr/bin/ibus engine"), 0, engine + QLatin1Char('\n'));
        runner->answer(QStringLiteral("/usr/bin/ibus read-config"), 0,
                       QStringLiteral("SCHEMA: org.freedesktop.ibus.general\n  preload-engines: ") + preload +
                           QStringLiteral("\n  use-global-engine: true\n"));
        runner->answer(QStringLiteral("/usr/bin/ibus list-engine"), 0,
                       QStringLiteral("language: Chinese\n  libpinyin - Intelligent Pinyin\n"
                                      "language: English\n  xkb:us::eng - English (US)\n"
                                      "language: German\n  xkb:de::ger - German\n"));
    }
    void fcitxGroup(const QList<FcitxItem>& items, const QMap<QString, QString>& names)
    {
        fcitx->isRunning = true;
        fcitx->current = FcitxGroup{QStringLiteral("us"), items, names};
    }
};

struct Offered {
    QString id, inputMethod, layoutName;
    bool operator==(const Offered&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Offered& o)
{
    return os << '{' << o.id.toStdString() << ", " << o.inputMethod.toStdString() << ", "
              << o.layoutName.toStdString() << '}';
}

QList<Offered> offered(KeyboardLayouts& k)
{
    QList<Offered> list;
    const QStringList ids = k.layouts();
    for (int i = 0; i < ids.size(); ++i)
        list += Offered{ids[i], k.inputMethodName(i), k.layoutName(i)};
    return list;
}

// ---------------------------------------------------------------------------------------------
// The X keyboard's groups

TEST(SystemKeyboardLayouts, OffersTheGroupsOfTheXKeyboard)
{
    Machine m;
    m.xGroups(QStringLiteral("us,de"), {QStringLiteral("English (US)"), QStringLiteral("German")}, 1);
    SystemKeyboardLayouts k(std::move(m.sources));
    EXPECT_EQ(offered(k), (QList<Offered>{{QStringLiteral("us"), {}, QStringLiteral("English (US)")},
                                          {QStringLiteral("de"), {}, QStringLiteral("German")}}));
    EXPECT_EQ(k.active(), 1);

    EXPECT_TRUE(k.activate(0));
    EXPECT_EQ(m.xkb->locked, QList<int>{0});
    EXPECT_EQ(k.active(), 0);
    for (int outside : {2, -1})
        EXPECT_FALSE(k.activate(outside)) << outside;
    EXPECT_EQ(m.xkb->locked, QList<int>{0});
    EXPECT_EQ(k.inputMethodName(2), QString());
    EXPECT_EQ(k.layoutName(2), QString());

    m.xkb->lockWorks = false;
    EXPECT_FALSE(k.activate(1));
    m.xkb->current.reset(); // the display went away
    EXPECT_EQ(k.active(), -1);
}

TEST(SystemKeyboardLayouts, GroupsAreNamedByWhateverTheDisplayGives)
{
    const struct {
        const char* what;
        bool setxkbmap;
        QString layouts;
        QStringList serverNames;
        QList<Offered> expected;
    } cases[] = {
        {"no setxkbmap: the server's names",
         false,
         {},
         {QStringLiteral("English (US)"), QStringLiteral("Russian")},
         {{QStringLiteral("English (US)"), {}, QStringLiteral("English (US)")},
          {QStringLiteral("Russian"), {}, QStringLiteral("Russian")}}},
        {"no server names: the readable names of the ids",
         true,
         QStringLiteral("us,fr"),
         {},
         {{QStringLiteral("us"), {}, QStringLiteral("English (US)")},
          {QStringLiteral("fr"), {}, QStringLiteral("French")}}},
        {"setxkbmap lists more layouts than the server has groups",
         true,
         QStringLiteral("us,de,fr,it,es"),
         {QStringLiteral("English (US)"), QStringLiteral("German")},
         {{QStringLiteral("us"), {}, QStringLiteral("English (US)")},
          {QStringLiteral("de"), {}, QStringLiteral("German")}}},
    };
    for (const auto& c : cases) {
        Machine m;
        m.xGroups(c.layouts, c.serverNames, 0);
        if (!c.setxkbmap) m.runner->installed.clear();
        SystemKeyboardLayouts k(std::move(m.sources));
        EXPECT_EQ(offered(k), c.expected) << c.what;
    }
}

TEST(SystemKeyboardLayouts, WithoutSwitchableSourcesOffersTheCurrentLayoutOnly)
{
    const struct {
        const char* what;
        bool display;   // the X display answers the keyboard extension
        bool x11;       // DISPLAY is set
        bool setxkbmap; // setxkbmap answers "us,de"
        QString fallback;
        QString id;
    } cases[] = {
        {"display without the keyboard extension", false, true, true, QStringLiteral("cn"),
         QStringLiteral("us")},
        {"no display: setxkbmap is not asked", false, false, true, QStringLiteral("cn"),
         QStringLiteral("cn")},
        {"nothing at all", false, false, false, {}, QStringLiteral("us")},
    };
    for (const auto& c : cases) {
        Machine m;
        m.xGroups(QStringLiteral("us,de"), {QStringLiteral("English (US)"), QStringLiteral("German")}, 1);
        if (!c.display) m.xkb->current.reset();
        if (!c.setxkbmap) m.runner->installed.clear();
        m.sources.x11 = c.x11;
        m.sources.fallbackLayout = c.fallback;
        FakeRunner* runner = m.runner;
        SystemKeyboardLayouts k(std::move(m.sources));
        const QStringList ids = k.layouts();
        EXPECT_EQ(ids, QStringList{c.id}) << c.what;
        EXPECT_EQ(k.inputMethodName(0), QString()) << c.what;
        EXPECT_EQ(k.layoutName(0), readableLayoutName(c.id)) << c.what;
        EXPECT_EQ(k.active(), 0) << c.what;
        EXPECT_TRUE(k.activate(0)) << c.what;
        EXPECT_FALSE(k.activate(1)) << c.what;
        EXPECT_FALSE(k.activate(-1)) << c.what;
        EXPECT_EQ(k.active(), 0) << c.what;
        EXPECT_EQ(runner->calls.filter(QStringLiteral("setxkbmap")).isEmpty(), !c.x11 || !c.setxkbmap)
            << c.what;
    }

    // No source at all, as on a machine without libX11, D-Bus or programs.
    SystemKeyboardLayouts bare{Sources{}};
    EXPECT_EQ(bare.layouts(), QStringList{QStringLiteral("us")});
    EXPECT_TRUE(bare.activate(0));
    EXPECT_FALSE(bare.activate(1));
}

TEST(SystemKeyboardLayouts, ASetxkbmapThatFailsOrHangsCountsAsAbsent)
{
    for (const std::optional<CommandRunner::Result>& answer :
         {std::optional<CommandRunner::Result>(),
          std::optional(CommandRunner::Result{1, QStringLiteral("layout: de\n")})}) {
        Machine m;
        m.xGroups(QStringLiteral("us,de"), {}, 0);
        m.runner->answers[QStringLiteral("/usr/bin/setxkbmap -query")] = answer;
        m.xkb->current.reset();
        SystemKeyboardLayouts k(std::move(m.sources));
        EXPECT_EQ(k.layouts(), QStringList{QStringLiteral("us")});
    }
}

// ---------------------------------------------------------------------------------------------
// fcitx5

TEST(SystemKeyboardLayouts, OffersAndSwitchesTheInputMethodsOfFcitx)
{
    Machine m;
    m.xGroups(QStringLiteral("us,de"), {QStringLiteral("English (US)"), QStringLiteral("German")}, 0);
    m.fcitxGroup({{QStringLiteral("keyboard-us"), {}},
                  {QStringLiteral("pinyin"), {}},
                  {QStringLiteral("rime"), QStringLiteral("de")},
                  {QStringLiteral("keyboard-fr"), {}}},
                 {{QStringLiteral("keyboard-us"), QStringLiteral("English (US)")},
                  {QStringLiteral("pinyin"), QStringLiteral("拼音")}});
    m.fcitx->inputMethod = QStringLiteral("pinyin");
    FakeRunner* runner = m.runner;
    SystemKeyboardLayouts k(std::move(m.sources));
    EXPECT_EQ(offered(k),
              (QList<Offered>{
                  {QStringLiteral("keyboard-us"), {}, QStringLiteral("English (US)")},
                  {QStringLiteral("pinyin"), QStringLiteral("拼音"), QStringLiteral("English (US)")},
                  {QStringLiteral("rime"), QStringLiteral("rime"), QStringLiteral("German")},
                  {QStringLiteral("keyboard-fr"), {}, QStringLiteral("French")},
              }));
    EXPECT_TRUE(runner->calls.isEmpty()) << "fcitx5 answered: no other source is asked";
    EXPECT_EQ(k.active(), 1);

    EXPECT_TRUE(k.activate(2));
    EXPECT_EQ(m.fcitx->set, QStringList{QStringLiteral("rime")});
    EXPECT_EQ(k.active(), 2);
    EXPECT_FALSE(k.activate(4));
    EXPECT_EQ(m.fcitx->set.size(), 1);
    EXPECT_TRUE(m.xkb->locked.isEmpty());

    m.fcitx->setWorks = false;
    EXPECT_FALSE(k.activate(0));
    m.fcitx->inputMethod.clear(); // no window of the program has fcitx5's focus
    EXPECT_EQ(k.active(), -1);
    m.fcitx->inputMethod = QStringLiteral("mozc"); // switched to one outside the group
    EXPECT_EQ(k.active(), -1);
}

TEST(SystemKeyboardLayouts, AnFcitxWithoutAnswerGivesWayToTheXKeyboard)
{
    const struct {
        const char* what;
        bool running;
        std::optional<FcitxGroup> group;
    } cases[] = {
        {"not running", false, FcitxGroup{QStringLiteral("us"), {{QStringLiteral("pinyin"), {}}}, {}}},
        {"no answer", true, std::nullopt},
        {"an empty group", true, FcitxGroup{}},
    };
    for (const auto& c : cases) {
        Machine m;
        m.xGroups(QStringLiteral("us,de"), {}, 0);
        m.fcitx->isRunning = c.running;
        m.fcitx->current = c.group;
        SystemKeyboardLayouts k(std::move(m.sources));
        EXPECT_EQ(k.layouts(), (QStringList{QStringLiteral("us"), QStringLiteral("de")})) << c.what;
    }
}

// ---------------------------------------------------------------------------------------------
// IBus

TEST(SystemKeyboardLayouts, OffersAndSwitchesTheEnginesOfIBus)
{
    Machine m;
    m.xGroups(QStringLiteral("us,de"), {}, 0);
    m.ibus(QStringLiteral("xkb:us::eng"), QStringLiteral("['xkb:us::eng', 'libpinyin', 'unknown']"));
    FakeRunner* runner = m.runner;
    SystemKeyboardLayouts k(std::move(m.sources));
    EXPECT_EQ(
        offered(k),
        (QList<Offered>{
            {QStringLiteral("xkb:us::eng"), {}, QStringLiteral("English (US)")},
            {QStringLiteral("libpinyin"), QStringLiteral("Intelligent Pinyin"), QStringLiteral("Chinese")},
            {QStringLiteral("unknown"), QStringLiteral("unknown"), QStringLiteral("unknown")},
        }));
    EXPECT_TRUE(runner->calls.filter(QStringLiteral("setxkbmap")).isEmpty());
    EXPECT_EQ(k.active(), 0);

    // Switched: the engine runs the new one afterwards.
    runner->calls.clear();
    runner->answer(QStringLiteral("/usr/bin/ibus engine libpinyin"), 0);
    EXPECT_TRUE(k.activate(1));
    EXPECT_EQ(runner->calls, QStringList{QStringLiteral("/usr/bin/ibus engine libpinyin")});

    // "ibus engine NAME" fails when only setting the X layout afterwards failed: the engine in
    // use decides.
    const struct {
        const char* what;
        std::optional<CommandRunner::Result> set;
        QString engineAfter;
        bool switched;
    } cases[] = {
        {"the X layout failed", CommandRunner::Result{1, {}}, QStringLiteral("libpinyin"), true},
        {"the engine was not set", CommandRunner::Result{1, {}}, QStringLiteral("xkb:us::eng"), false},
        {"did not end in time", std::nullopt, QStringLiteral("libpinyin"), false},
    };
    for (const auto& c : cases) {
        runner->answers[QStringLiteral("/usr/bin/ibus engine libpinyin")] = c.set;
        runner->answer(QStringLiteral("/usr/bin/ibus engine"), 0, c.engineAfter + QLatin1Char('\n'));
        EXPECT_EQ(k.activate(1), c.switched) << c.what;
    }
    runner->answer(QStringLiteral("/usr/bin/ibus engine"), 1, QStringLiteral("No engine is set.\n"));
    EXPECT_EQ(k.active(), -1);
}

TEST(SystemKeyboardLayouts, IBusListsTheEngineInUseAlways)
{
    const struct {
        const char* what;
        bool readConfig;
        QString preload;
        QStringList ids;
    } cases[] = {
        {"in use but not chosen",
         true,
         QStringLiteral("['xkb:us::eng']"),
         {QStringLiteral("xkb:us::eng"), QStringLiteral("libpinyin")}},
        {"nothing chosen", true, QStringLiteral("@as []"), {QStringLiteral("libpinyin")}},
        {"settings unreadable", false, QStringLiteral("['xkb:us::eng']"), {QStringLiteral("libpinyin")}},
    };
    for (const auto& c : cases) {
        Machine m;
        m.ibus(QStringLiteral("libpinyin"), c.preload);
        if (!c.readConfig) m.runner->answers.remove(QStringLiteral("/usr/bin/ibus read-config"));
        SystemKeyboardLayouts k(std::move(m.sources));
        EXPECT_EQ(k.layouts(), c.ids) << c.what;
        EXPECT_EQ(k.active(), c.ids.indexOf(QStringLiteral("libpinyin"))) << c.what;
    }
}

TEST(SystemKeyboardLayouts, AnIBusWithoutDaemonGivesWayToTheXKeyboard)
{
    for (const std::optional<CommandRunner::Result>& engine :
         {std::optional(CommandRunner::Result{1, QStringLiteral("No engine is set.\n")}),
          std::optional<CommandRunner::Result>(), std::optional(CommandRunner::Result{0, QString()})}) {
        Machine m;
        m.xGroups(QStringLiteral("us,de"), {}, 0);
        m.ibus(QStringLiteral("libpinyin"), QStringLiteral("['libpinyin']"));
        m.runner->answers[QStringLiteral("/usr/bin/ibus engine")] = engine;
        SystemKeyboardLayouts k(std::move(m.sources));
        EXPECT_EQ(k.layouts(), (QStringList{QStringLiteral("us"), QStringLiteral("de")}));
    }
}

// ---------------------------------------------------------------------------------------------
// The list's life

TEST(SystemKeyboardLayouts, IndexesKeepToTheListLastAskedFor)
{
    Machine m;
    m.xGroups(QStringLiteral("us,de"), {}, 0);
    FakeRunner* runner = m.runner;
    FakeXkb* xkb = m.xkb;
    SystemKeyboardLayouts k(std::move(m.sources));
    ASSERT_EQ(k.layouts().size(), 2);

    // A layout added meanwhile appears only when the list is asked for again.
    runner->answer(QStringLiteral("/usr/bin/setxkbmap -query"), 0, QStringLiteral("layout: fr,us,de\n"));
    EXPECT_EQ(k.layoutName(0), QStringLiteral("English (US)"));
    EXPECT_FALSE(k.activate(2));
    EXPECT_EQ(k.layouts(), (QStringList{QStringLiteral("fr"), QStringLiteral("us"), QStringLiteral("de")}));
    EXPECT_TRUE(k.activate(2));
    EXPECT_EQ(xkb->locked, QList<int>{2});

    // The other calls ask the system once when no list was asked for.
    Machine fresh;
    fresh.xGroups(QStringLiteral("us,de"), {}, 1);
    SystemKeyboardLayouts unasked(std::move(fresh.sources));
    EXPECT_EQ(unasked.layoutName(1), QStringLiteral("German"));
    EXPECT_EQ(unasked.active(), 1);
}

// ---------------------------------------------------------------------------------------------
// The program runner

TEST(ProcessRunner, RunsTheProgramItselfWithItsArgumentsAsGiven)
{
    const std::unique_ptr<CommandRunner> runner = processRunner();
    const QString echo = runner->find(QStringLiteral("echo"));
    ASSERT_FALSE(echo.isEmpty());
    const auto r =
        runner->run(echo, {QStringLiteral("$(id)"), QStringLiteral("a;b"), QStringLiteral("*")}, TimeoutMs);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->exitCode, 0);
    EXPECT_EQ(r->output, QStringLiteral("$(id) a;b *\n"));

    const QString falseProgram = runner->find(QStringLiteral("false"));
    ASSERT_FALSE(falseProgram.isEmpty());
    const auto failed = runner->run(falseProgram, {}, TimeoutMs);
    ASSERT_TRUE(failed.has_value());
    EXPECT_NE(failed->exitCode, 0);

    EXPECT_FALSE(runner->run(QStringLiteral("/nonexistent/program"), {}, TimeoutMs).has_value());
    EXPECT_TRUE(runner->find(QStringLiteral("no-such-program-anywhere")).isEmpty());

    const QString sleep = runner->find(QStringLiteral("sleep"));
    ASSERT_FALSE(sleep.isEmpty());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(runner->run(sleep, {QStringLiteral("10")}, 200).has_value());
    EXPECT_LT(clock.elapsed(), 3000);
}

// ---------------------------------------------------------------------------------------------
// fcitx5's controller over a real D-Bus, against a stand-in controller on a private bus

#ifdef BRANNOCK_HAVE_DBUS

struct GroupItem {
    QString name, layout;
};
struct Available {
    QString uniqueName, name, nativeName, icon, label, language;
    bool configurable = false;
};

} // namespace

Q_DECLARE_METATYPE(GroupItem)
Q_DECLARE_METATYPE(Available)

namespace {

QDBusArgument& operator<<(QDBusArgument& a, const GroupItem& i)
{
    a.beginStructure();
    a << i.name << i.layout;
    a.endStructure();
    return a;
}
const QDBusArgument& operator>>(const QDBusArgument& a, GroupItem& i)
{
    a.beginStructure();
    a >> i.name >> i.layout;
    a.endStructure();
    return a;
}
QDBusArgument& operator<<(QDBusArgument& a, const Available& m)
{
    a.beginStructure();
    a << m.uniqueName << m.name << m.nativeName << m.icon << m.label << m.language << m.configurable;
    a.endStructure();
    return a;
}
const QDBusArgument& operator>>(const QDBusArgument& a, Available& m)
{
    a.beginStructure();
    a >> m.uniqueName >> m.name >> m.nativeName >> m.icon >> m.label >> m.language >> m.configurable;
    a.endStructure();
    return a;
}

// The controller of fcitx5 as the bus sees it, answering from its own thread.
class StandInController final : public QDBusVirtualObject {
public:
    std::atomic<bool> wrongGroupInfo = false; // answers InputMethodGroupInfo with another signature

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override
    {
        if (m.interface() != QLatin1String("org.fcitx.Fcitx.Controller1")) return false;
        const QMutexLocker lock(&mutex_);
        const QString method = m.member();
        QDBusMessage reply;
        if (method == QLatin1String("CurrentInputMethodGroup")) {
            reply = m.createReply(QVariantList{QStringLiteral("Default")});
        } else if (method == QLatin1String("InputMethodGroupInfo")) {
            if (m.arguments().value(0).toString() != QLatin1String("Default"))
                reply =
                    m.createErrorReply(QStringLiteral("org.fcitx.Error"), QStringLiteral("no such group"));
            else if (wrongGroupInfo)
                reply =
                    m.createReply(QVariantList{QStringLiteral("us"), QStringList{QStringLiteral("pinyin")}});
            else
                reply = m.createReply(QVariantList{
                    QStringLiteral("us"), QVariant::fromValue(QList<GroupItem>{
                                              {QStringLiteral("keyboard-us"), {}},
                                              {QStringLiteral("pinyin"), {}},
                                              {QStringLiteral("keyboard-de"), QStringLiteral("de")}})});
        } else if (method == QLatin1String("AvailableInputMethods")) {
            reply = m.createReply(
                QVariantList{QVariant::fromValue(QList<Available>{{QStringLiteral("keyboard-us"),
                                                                   QStringLiteral("English (US)"),
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   QStringLiteral("en"),
                                                                   false},
                                                                  {QStringLiteral("pinyin"),
                                                                   QStringLiteral("拼音"),
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   QStringLiteral("zh_CN"),
                                                                   true}})});
        } else if (method == QLatin1String("CurrentInputMethod")) {
            reply = m.createReply(QVariantList{current_});
        } else if (method == QLatin1String("SetCurrentIM")) {
            current_ = m.arguments().value(0).toString();
            reply = m.createReply();
        } else {
            return false;
        }
        bus.send(reply);
        return true;
    }
    QString current() const
    {
        const QMutexLocker lock(&mutex_);
        return current_;
    }

private:
    mutable QMutex mutex_;
    QString current_ = QStringLiteral("keyboard-us");
};

// A message bus of the test's own, with nothing to start on demand.
class PrivateBus {
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty() || !dir_.isValid()) return;
        QFile config(dir_.filePath(QStringLiteral("bus.conf")));
        if (!config.open(QIODevice::WriteOnly)) return;
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                     "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>session</type><listen>unix:dir=" +
                     dir_.path().toUtf8() +
                     "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                     "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                     "<allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        daemon_.start(daemon, {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                               QStringLiteral("--config-file=") + config.fileName()});
        if (!daemon_.waitForStarted(5000)) return;
        QElapsedTimer clock;
        clock.start();
        while (!daemon_.canReadLine() && clock.elapsed() < 5000)
            daemon_.waitForReadyRead(100);
        address = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString address; // empty when no bus could be started

private:
    QTemporaryDir dir_;
    QProcess daemon_;
};

// The stand-in on its own connection, answering in a thread of its own while the service under
// test waits for the answers.
struct StandIn {
    QThread thread;
    StandInController controller;
    QDBusConnection server;
    bool serving = false;

    explicit StandIn(const QString& address)
        : server(QDBusConnection::connectToBus(address, QStringLiteral("stand-in-fcitx5")))
    {
        controller.moveToThread(&thread);
        thread.start();
        serving = server.isConnected() &&
                  server.registerVirtualObject(QStringLiteral("/controller"), &controller) &&
                  server.registerService(QStringLiteral("org.fcitx.Fcitx5"));
    }
    ~StandIn()
    {
        server.unregisterObject(QStringLiteral("/controller"));
        QDBusConnection::disconnectFromBus(QStringLiteral("stand-in-fcitx5"));
        thread.quit();
        thread.wait();
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;
};

TEST(FcitxOverDBus, ReadsTheGroupAndSwitchesThroughTheController)
{
    qDBusRegisterMetaType<GroupItem>();
    qDBusRegisterMetaType<QList<GroupItem>>();
    qDBusRegisterMetaType<Available>();
    qDBusRegisterMetaType<QList<Available>>();
    PrivateBus bus;
    if (bus.address.isEmpty()) GTEST_SKIP() << "no dbus-daemon on this machine";

    const std::unique_ptr<FcitxController> fcitx = fcitxOnBus(bus.address);
    ASSERT_TRUE(fcitx);
    EXPECT_FALSE(fcitx->running()) << "nobody owns org.fcitx.Fcitx5 yet";
    EXPECT_FALSE(fcitx->group().has_value());
    EXPECT_EQ(fcitx->currentInputMethod(), QString());
    EXPECT_FALSE(fcitx->setCurrentInputMethod(QStringLiteral("pinyin")));

    StandIn standIn(bus.address);
    ASSERT_TRUE(standIn.serving);
    StandInController& controller = standIn.controller;

    EXPECT_TRUE(fcitx->running());
    const std::optional<FcitxGroup> group = fcitx->group();
    ASSERT_TRUE(group.has_value());
    EXPECT_EQ(group->defaultLayout, QStringLiteral("us"));
    EXPECT_EQ(group->items, (QList<FcitxItem>{{QStringLiteral("keyboard-us"), {}},
                                              {QStringLiteral("pinyin"), {}},
                                              {QStringLiteral("keyboard-de"), QStringLiteral("de")}}));
    EXPECT_EQ(group->names.value(QStringLiteral("pinyin")), QStringLiteral("拼音"));
    EXPECT_EQ(fcitx->currentInputMethod(), QStringLiteral("keyboard-us"));
    EXPECT_TRUE(fcitx->setCurrentInputMethod(QStringLiteral("pinyin")));
    EXPECT_EQ(controller.current(), QStringLiteral("pinyin"));
    EXPECT_EQ(fcitx->currentInputMethod(), QStringLiteral("pinyin"));

    // An answer of another shape is no answer.
    controller.wrongGroupInfo = true;
    EXPECT_FALSE(fcitx->group().has_value());
}

#endif

} // namespace
