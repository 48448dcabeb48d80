#pragma once

#include "settings/SettingsSchema.h"

#include <QtGlobal>
#include <algorithm>

namespace tuk {

// The frame of the style panel a box stands in: "Text" (the font options) or "Page".
enum class BoxFrame { Text, Page };

// A check box of the style panel, named by the stored key of the page option it shows. The
// caption and tooltip are English, marked for the window's translation and translated where
// the box is made.
struct OptionBox {
    const char* key;
    const char* objectName;
    bool previewed; // a change shows in the preview at once, else only in the pages made
    BoxFrame frame;
    int left, top, width, height; // twips inside the frame
    const char* caption;
    const char* tooltip;
};

// The boxes in the order they are made, which is the order the keyboard visits them.
inline constexpr OptionBox kOptionBoxes[] = {
    {"lCenter", "chkCenter", true, BoxFrame::Text, 120, 960, 780, 220,
     QT_TRANSLATE_NOOP("frmTu_K", "C&enter"), QT_TRANSLATE_NOOP("frmTu_K", "Center Body")},
    {"lBold", "chkBold", true, BoxFrame::Text, 120, 1260, 660, 220,
     QT_TRANSLATE_NOOP("frmTu_K", "B&old"), QT_TRANSLATE_NOOP("frmTu_K", "Set font BOLD")},
    {"lItal", "chkItal", true, BoxFrame::Text, 120, 1560, 660, 220,
     QT_TRANSLATE_NOOP("frmTu_K", "&Italic"), QT_TRANSLATE_NOOP("frmTu_K", "Set font ITALIC")},
    {"lLinx", "chkLinx", false, BoxFrame::Page, 120, 240, 900, 200,
     QT_TRANSLATE_NOOP("frmTu_K", "Lin&ks"),
     QT_TRANSLATE_NOOP("frmTu_K", "Include links to other images in current folder")},
    {"lFolder", "chkFolder", false, BoxFrame::Page, 120, 540, 900, 200,
     QT_TRANSLATE_NOOP("frmTu_K", "&Folder"), QT_TRANSLATE_NOOP("frmTu_K", "Include folder name")},
    {"lFDate", "chkFDate", false, BoxFrame::Page, 120, 840, 900, 200,
     QT_TRANSLATE_NOOP("frmTu_K", "&Date"), QT_TRANSLATE_NOOP("frmTu_K", "Include image date")},
    {"lFSize", "chkFSize", false, BoxFrame::Page, 120, 1140, 900, 200,
     QT_TRANSLATE_NOOP("frmTu_K", "Si&ze"),
     QT_TRANSLATE_NOOP("frmTu_K", "Include image size (kb)")},
    {"lBackGround", "chkBackground", true, BoxFrame::Page, 120, 1440, 900, 200,
     QT_TRANSLATE_NOOP("frmTu_K", "Bk&Grnd"),
     QT_TRANSLATE_NOOP("frmTu_K", "Set image as HTML background")},
    {"lText", "chkText", true, BoxFrame::Page, 120, 1740, 900, 200,
     QT_TRANSLATE_NOOP("frmTu_K", "Te&xt"),
     QT_TRANSLATE_NOOP("frmTu_K", "Include sample text for testing background")},
    {"lCopyr", "chkCopyr", false, BoxFrame::Page, 120, 2040, 900, 200,
     QT_TRANSLATE_NOOP("frmTu_K", "Cop&yr"),
     QT_TRANSLATE_NOOP("frmTu_K", "Include copyright line")},
};

static_assert(std::ranges::all_of(kOptionBoxes,
                                  [](const OptionBox& box) { return IsPageFlagKey(box.key); }));

} // namespace tuk
