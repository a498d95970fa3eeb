#pragma once
// Runs of steps that many questions share: opening the Start menu and its cascades.
#include "sample/model.h"

namespace sample::flows {

// Click Start, point at All Programs, point at Accessories: the next step aims at a row of the
// open Accessories cascade (give it withAccessoriesOpen).
QList<StepDef> openAccessories();
StepDef withAccessoriesOpen(StepDef s);
// The same one level further: Accessories, then System Tools.
QList<StepDef> openSystemTools();
StepDef withSystemToolsOpen(StepDef s);
// Click Start: the next step shows the open Start menu ("开始菜单").
StepDef clickStart(const QString& bg = QStringLiteral("桌面"));

} // namespace sample::flows
