#pragma once

#include "style/widgets/TwipScale.h"

#include <QWidget>

class QListWidget;
class QScrollArea;

namespace tuk {

class ColorEditor;
class FolderTree;
class TextOptions;

// The window's area below the toolbar: the style panel picCtrl at the top left with its
// colour and text frames, the folder tree TV to its right and the image list File1 under the
// panel. The tree takes every pixel the window has beyond its designed size. Where a screen
// is too small for that size, the area gets smaller: the tree gives up width, and the style
// panel, in the scroll area "StylePanelView", shows scroll bars.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(const TwipScale& scale, QWidget* parent);

    ColorEditor* Colors() const { return colors_; }
    TextOptions* Text() const { return text_; }
    FolderTree* TV() const { return tv_; }
    QListWidget* File1() const { return file1_; }
    QWidget* StylePanel() const { return picCtrl_; }

    // Ties the tree's bottom edge to the area's, whatever the tree's designed size came to in
    // pixels.
    void SetTreeMargins();
    // Makes the area's minimum as much smaller than designed as its window's minimum is larger
    // than the room (the window's size less its frame), so the window fits a screen's
    // available area; never smaller than a sliver of each part.
    void FitWindowInto(const QSize& room);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildStylePanel();
    void BuildTreeAndList();
    void Form_Resize();
    QSize DesignedSize() const;
    int ScrollBarExtent() const;

    const TwipScale& scale_;
    QScrollArea* panelView_ = nullptr;
    QWidget* picCtrl_ = nullptr;
    ColorEditor* colors_ = nullptr;
    TextOptions* text_ = nullptr;
    FolderTree* tv_ = nullptr;
    QListWidget* file1_ = nullptr;
    int panelExtra_ = 0;   // pixels the style panel is wider than designed
    int nTreeMarginH_ = 0; // pixels between the area's and the tree's height
};

} // namespace tuk
