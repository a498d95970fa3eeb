#pragma once
// A desktop of the test's own for the scene layer: a form with the controls that both desktops lay a
// step record out on, under the same names, and the phases a desktop runs its own way, each of which
// notes that it ran. Pictures are written into a temporary program folder (the bank's "data" and the
// desktop pictures' "examdata").
#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "common/drill_state.h"
#include "common/scale.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/units.h"
#include "scene/render_phases.h"
#include "steps/desk_pictures.h"
#include "support/kit.h"
#include "support/scaled.h"
#include "support/step_record.h"

namespace scenetest {

using testkit::StepRecord;
namespace col = testkit::col;

template <bool EndsAtTerminal> class Desk final : public platform::Form {
public:
    Desk()
        : Form(QStringLiteral("SceneDesk"))
    {
        for (int i = 0; i <= 13; ++i)
            LblXXK.design(i);
        for (int i = 0; i <= 40; ++i)
            LblZHU.design(i);
    }

    platform::Image Image1{this, "Image1"}, Image2{this, "Image2"}, Image3{this, "Image3"},
        Image4{this, "Image4"}, Image5{this, "Image5"};
    platform::Image PicMenu{this, "PicMenu"}, PicTool{this, "PicTool"}, PicHui{this, "PicHui"},
        PicMyPc{this, "PicMyPc"};
    platform::LabelArray LblZHU{this, "LblZHU"};
    platform::Label LHelp{this, "LHelp"}, Label4{this, "Label4"}, Label1{this, "Label1"};
    platform::Shape Shape1{this, "Shape1"}, Shape2{this, "Shape2"}, Shape4{this, "Shape4"};
    platform::LabelArray LblXXK{this, "LblXXK"};
    platform::PictureBox Image6{this, "Image6"};
    platform::TextBox Text1{this, "Text1"}, Text2{this, "Text2"};
    QString deskPath;

    static constexpr bool RenderEndsAtTerminal = EndsAtTerminal;
    // The phases run, in order; a phase may add what it saw in brackets.
    QStringList ran;
    // What a phase does besides noting that it ran, by its name.
    std::map<QString, std::function<void()>> on;

    void pictures() { note(QStringLiteral("pictures")); }
    void editField() { note(QStringLiteral("editField")); }
    void hint() { note(QStringLiteral("hint")); }
    void mainTarget() { note(QStringLiteral("mainTarget")); }
    void tabDialog() { note(QStringLiteral("tabDialog")); }
    void actionCode() { note(QStringLiteral("actionCode")); }
    void terminalOrFrame() { note(QStringLiteral("terminalOrFrame")); }
    void overlaysAndList() { note(QStringLiteral("overlaysAndList")); }
    void ownPanes() { note(QStringLiteral("ownPanes")); }
    void finishRender() { note(QStringLiteral("finishRender")); }
    void MenuCSH() { note(QStringLiteral("MenuCSH")); }
    void HuiRenwuCSH() { note(QStringLiteral("HuiRenwuCSH")); }

private:
    void note(const QString& phase)
    {
        ran << phase;
        if (auto it = on.find(phase); it != on.end() && it->second) it->second();
    }
};

class Scene : public ::testing::Test, protected testkit::Scaled {
protected:
    void SetUp() override
    {
        platform::setScreenPixels(QSize(800, 600));
        useScale(15);
        common::drill().resetAll();
        QDir().mkpath(prog.file(QStringLiteral("data")));
        QDir().mkpath(prog.file(QStringLiteral("examdata")));
        common::drill().dataPath = prog.file(QStringLiteral("data")) + QLatin1Char('/');
    }
    void TearDown() override
    {
        reset.reset();
        platform::setScreenPixels(QSize());
        useScale(15);
        common::drill().resetAll();
    }

    // A picture of the bank ("data") or a desktop picture ("examdata"), under its ".rar" name.
    void picture(const QString& folder, const QString& code, int w = 40, int h = 30)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor(0, 128, 255));
        const QString path = prog.file(folder + QLatin1Char('/') + code + QStringLiteral(".rar"));
        ASSERT_TRUE(img.save(path, "BMP")) << path.toStdString();
    }
    void stepPicture(const QString& code, int w = 40, int h = 30)
    {
        picture(QStringLiteral("data"), code, w, h);
    }
    void deskPicture(const QString& name, int w = 40, int h = 30)
    {
        picture(QStringLiteral("examdata"), name, w, h);
    }

    template <bool Ends = false> Desk<Ends>& desk()
    {
        auto& f = platform::form<Desk<Ends>>();
        f.deskPath = steps::desk::folder(prog.path());
        return f;
    }

    static QString sourceName(const platform::Picture& p) { return p.source().section(QLatin1Char('/'), -1); }

    testkit::TempProgramFolder prog;
    std::unique_ptr<testkit::FormsReset> reset = std::make_unique<testkit::FormsReset>();
};

} // namespace scenetest
