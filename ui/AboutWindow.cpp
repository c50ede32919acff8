// TForm9 "About": layout of the window and the two pictures it shows.
#include "ui/AboutWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

#include "ui/HelpKey.h"

namespace kerf {

namespace {

const QColor Wood(225, 123, 11);
const QColor WoodDark(150, 78, 8);
const QColor Steel(120, 128, 140);

// The cross-section of a worked edge: a rectangle with a cove taken from its top right corner,
// in a box of w by h with the table along the bottom and the fence along the right.
QPainterPath WorkedSection(double w, double h) {
  QPainterPath path;
  const double r = std::min(w, h) * 0.45;
  path.moveTo(0, 0);
  path.lineTo(w - r, 0);
  path.arcTo(QRectF(w - 2 * r, -r, 2 * r, 2 * r), 180, 90);  // the cove
  path.lineTo(w, r);
  path.lineTo(w, h);
  path.lineTo(0, h);
  path.closeSubpath();
  return path;
}

}  // namespace

QPixmap DrawAboutLogo(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height();
  // The stock, cut with a cove, lying on the table line.
  p.save();
  p.translate(w * 0.05, h * 0.40);
  p.setPen(QPen(WoodDark, 1));
  p.setBrush(Wood);
  p.drawPath(WorkedSection(w * 0.55, h * 0.52));
  p.restore();
  // The bit: shank and a rounded cutting head beside the cove.
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Steel);
  p.drawRect(QRectF(w * 0.72, h * 0.05, w * 0.12, h * 0.35));
  p.drawEllipse(QRectF(w * 0.60, h * 0.32, w * 0.36, h * 0.30));
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(0, h - 1.5), QPointF(w, h - 1.5));  // the table
  return pixmap;
}

QPixmap DrawAboutMoulding(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height();
  const double sw = w * 0.30, sh = h * 0.62;  // the end face
  const QPointF depth(w * 0.55, -h * 0.22);     // how far the length runs back
  const QPointF front(w * 0.05, h * 0.30);
  // The long top and side faces, drawn as a band behind the end face.
  QLinearGradient grain(0, 0, w, 0);
  grain.setColorAt(0, Wood.lighter(115));
  grain.setColorAt(1, WoodDark);
  p.setPen(QPen(WoodDark, 1));
  p.setBrush(grain);
  QPolygonF top;
  top << front << front + depth << front + depth + QPointF(sw * 0.55, 0)
      << front + QPointF(sw * 0.55, 0);
  p.drawPolygon(top);
  QPolygonF side;
  side << front + QPointF(sw, sh * 0.45) << front + depth + QPointF(sw, sh * 0.45)
       << front + depth + QPointF(sw, sh) << front + QPointF(sw, sh);
  p.drawPolygon(side);
  // Grain lines along the length.
  p.setPen(QPen(WoodDark.darker(120), 0.6));
  for (int i = 1; i < 4; ++i) {
    const QPointF a = front + QPointF(sw * 0.55 * i / 4.0, 0);
    p.drawLine(a, a + depth);
  }
  // The end face with its cove, in front.
  p.translate(front);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Wood);
  p.drawPath(WorkedSection(sw, sh));
  return pixmap;
}

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form9");
  setWindowTitle("About");
  setFixedSize(223, 333);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  auto* image2 = new QLabel(this);
  image2->setObjectName("Image2");
  image2->setGeometry(8, 8, 49, 33);
  image2->setPixmap(DrawAboutLogo(QSize(49, 33)));

  auto* label3 = new QLabel("Kerfwright", this);
  label3->setObjectName("Label3");
  QFont titleFont("Arial");
  titleFont.setPixelSize(20);
  titleFont.setUnderline(true);
  label3->setFont(titleFont);
  label3->setGeometry(64, 10, 152, 28);

  QFont smallFont("Arial");
  smallFont.setPixelSize(11);
  const char* const lines[][2] = {{"Label1", "The Kerfwright workshop team"},
                                  {"Label2", "kerfwright@kerfwright.example"},
                                  {"Label4", "https://www.kerfwright.example"}};
  int y = 64;
  for (const auto& line : lines) {
    auto* label = new QLabel(line[1], this);
    label->setObjectName(line[0]);
    label->setFont(smallFont);
    label->setGeometry(12, y, 200, 16);
    y += 22;
  }
  auto* label5 = new QLabel(VersionText, this);
  label5->setObjectName("Label5");
  label5->setFont(smallFont);
  label5->setGeometry(12, y + 10, 200, 16);

  auto* image1 = new QLabel(this);
  image1->setObjectName("Image1");
  image1->setGeometry(8, 252, 129, 73);
  image1->setPixmap(DrawAboutMoulding(QSize(129, 73)));

  bitBtn1_ = new QPushButton("Close", this);
  bitBtn1_->setObjectName("BitBtn1");
  bitBtn1_->setGeometry(144, 296, 71, 27);
  bitBtn1_->setDefault(true);
  connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::accept);

  SetHelpContext(this, 0);
  if (const QScreen* screen = QApplication::primaryScreen()) {
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
  }
}

}  // namespace kerf
