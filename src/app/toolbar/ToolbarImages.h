#pragma once

#include <QIcon>
#include <QString>

namespace tuk {

// The toolbar's commands, left to right.
enum class ToolKey { Exit, Refresh, Target, Copy, Save, Default, HtmlMake, HtmlView, About };

// The key's name: the button's object name and the name of its picture ("htmlmake").
QString ToolKeyName(ToolKey key);

// The command a name stands for; false for any other text (compared exactly).
bool ToolKeyOf(const QString& name, ToolKey& key);

// The 16 x 16 picture of a toolbar command, SVG drawn on the 16 pixel grid (it needs Qt's SVG
// image plugin at run time). A name that is no command gives a null icon.
QIcon ToolbarIcon(const QString& name);

} // namespace tuk
