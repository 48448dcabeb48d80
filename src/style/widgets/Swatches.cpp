#include "style/widgets/Swatches.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace tuk {

namespace {

constexpr int kPerRow = 8;

// Where an arrow key, Home or End leads from a swatch (it stays at the edges); -1 for any
// other key.
int Neighbour(int index, int key) {
    int next = -1;
    switch (key) {
    case Qt::Key_Left:
        next = index - 1;
        break;
    case Qt::Key_Right:
        next = index + 1;
        break;
    case Qt::Key_Up:
        next = index - kPerRow;
        break;
    case Qt::Key_Down:
        next = index + kPerRow;
        break;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return SwatchRow::kCount - 1;
    default:
        return -1;
    }
    return next >= 0 && next < SwatchRow::kCount ? next : index;
}

} // namespace

// Lines run along the middle of pixels, so that none is lost at a fractional scale. The
// focus mark is a ring in white and black, so that it shows on every colour.
void Swatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawRect(box);
    if (!hasFocus())
        return;
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(box.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(box.adjusted(3, 3, -3, -3));
}

SwatchRow::SwatchRow(const TwipScale& tw, QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < kCount; ++i) {
        auto* swatch = new Swatch(this);
        swatch->setObjectName(QStringLiteral("lblQB"));
        swatch->setProperty("index", i);
        swatch->setGeometry(tw.Rect(240 * (i % kPerRow), 240 * (i / kPerRow), 255, 255));
        swatch->installEventFilter(this);
        connect(swatch, &QAbstractButton::clicked, this, [this, i] { Q_EMIT Picked(i); });
        swatches_[static_cast<size_t>(i)] = swatch;
    }
    resize(childrenRect().size());
    MakeTabStop(0);
}

void SwatchRow::MakeTabStop(int index) {
    for (int i = 0; i < kCount; ++i)
        At(i)->setFocusPolicy(i == index ? Qt::StrongFocus : Qt::ClickFocus);
}

bool SwatchRow::eventFilter(QObject* watched, QEvent* event) {
    auto* swatch = qobject_cast<Swatch*>(watched);
    if (!swatch)
        return QWidget::eventFilter(watched, event);
    const int index = swatch->property("index").toInt();
    if (event->type() == QEvent::FocusIn)
        MakeTabStop(index);
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        swatch->click();
        return true;
    }
    const int next = Neighbour(index, key);
    if (next < 0)
        return QWidget::eventFilter(watched, event);
    At(next)->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace tuk
