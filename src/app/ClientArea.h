#pragma once

#include "style/widgets/TwipScale.h"

#include <QWidget>

class QListWidget;

namespace tuk {

class ColorEditor;
class FolderTree;
class TextOptions;

// The window's area below the toolbar: the style panel picCtrl at the top left with its
// colour and text frames, the folder tree TV to its right and the image list File1 under the
// panel. The tree takes every pixel the window has beyond its designed size.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(const TwipScale& scale, QWidget* parent);

    ColorEditor* Colors() const { return colors_; }
    TextOptions* Text() const { return text_; }
    FolderTree* TV() const { return tv_; }
    QListWidget* File1() const { return file1_; }
    QWidget* StylePanel() const { return picCtrl_; }

    // Ties the tree's right and bottom edges to the area's, whatever the tree's designed
    // size came to in pixels.
    void SetTreeMargins();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildStylePanel();
    void BuildTreeAndList();
    void Form_Resize();

    const TwipScale& scale_;
    QWidget* picCtrl_ = nullptr;
    ColorEditor* colors_ = nullptr;
    TextOptions* text_ = nullptr;
    FolderTree* tv_ = nullptr;
    QListWidget* file1_ = nullptr;
    int panelExtra_ = 0;   // pixels the style panel is wider than designed
    int nTreeMarginW_ = 0; // pixels between the area's and the tree's width
    int nTreeMarginH_ = 0;
};

} // namespace tuk
