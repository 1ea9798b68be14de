// Draws the front-panel artwork of the VKR-2207: the 721 x 106 front picture (JPEG) and the two
// port-button glyphs (RJ-45 socket and SFP cage, PNG). Run it to regenerate the committed files:
//   vkr_panel_art <output folder>   (writes front.jpg, rj45.png, sfp.png)
// Positions follow the panel form's layout (a 765 x 97 client area the picture is stretched to),
// so the sockets and LED windows lie under their buttons and LED panels.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kW = 721, kH = 106;      // picture
constexpr double kFormW = 765, kFormH = 97;  // client area it is stretched to

// A form rectangle mapped into picture coordinates.
QRectF toPicture(double x, double y, double w, double h)
{
    const double sx = kW / kFormW, sy = kH / kFormH;
    return QRectF(x * sx, y * sy, w * sx, h * sy);
}

void rj45(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(170, 172, 175));
    p.drawRect(r);
    const QRectF hole = r.adjusted(r.width() * 0.12, r.height() * 0.18, -r.width() * 0.12, -r.height() * 0.12);
    p.setBrush(QColor(25, 25, 28));
    p.drawRect(hole);
    // latch notch and contacts
    p.drawRect(QRectF(hole.center().x() - hole.width() * 0.2, hole.bottom(), hole.width() * 0.4, r.height() * 0.08));
    p.setPen(QPen(QColor(200, 170, 60), 1));
    for (int k = 0; k < 8; ++k) {
        const double x = hole.left() + hole.width() * (k + 1) / 9.0;
        p.drawLine(QPointF(x, hole.top() + 1), QPointF(x, hole.top() + hole.height() * 0.3));
    }
}

void sfp(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(215, 215, 218));
    g.setColorAt(1, QColor(140, 142, 146));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(g);
    p.drawRect(r);
    p.setBrush(QColor(18, 18, 20));
    p.drawRect(r.adjusted(r.width() * 0.08, r.height() * 0.25, -r.width() * 0.08, -r.height() * 0.2));
    p.setPen(QPen(QColor(90, 90, 95), 1));
    p.drawLine(QPointF(r.left() + 2, r.top() + 2), QPointF(r.right() - 2, r.top() + 2));
}

void led(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.setBrush(QColor(35, 38, 35));
    p.drawRect(r);
}

void text(QPainter& p, const QRectF& r, const QString& s, int px, bool bold = false, Qt::Alignment a = Qt::AlignCenter)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(QColor(235, 235, 238));
    p.drawText(r, a, s);
}

QImage front()
{
    QImage img(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, kH);
    bg.setColorAt(0, QColor(78, 82, 90));
    bg.setColorAt(0.5, QColor(58, 61, 68));
    bg.setColorAt(1, QColor(44, 46, 52));
    p.fillRect(img.rect(), bg);
    // rack ears with screw holes
    for (double x : {0.0, kW - 18.0}) {
        p.fillRect(QRectF(x, 0, 18, kH), QColor(120, 124, 130));
        p.setBrush(QColor(30, 30, 30));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(x + 5, 14, 8, 8));
        p.drawEllipse(QRectF(x + 5, kH - 22, 8, 8));
    }
    p.setPen(QPen(QColor(100, 104, 112), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(18.5, 2.5, kW - 37, kH - 5));

    // brand and model lettering
    text(p, QRectF(26, 6, 140, 20), QStringLiteral("VKR-2207"), 16, true, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(26, 24, 140, 12), QStringLiteral("Managed Gigabit Switch"), 8, false, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(26, kH - 20, 140, 14), QStringLiteral("VKR-2207  8+2"), 10, true, Qt::AlignLeft | Qt::AlignVCenter);

    // serial console connector (DB-9 outline)
    QPainterPath db9;
    const QRectF c(32, 44, 42, 20);
    db9.moveTo(c.topLeft());
    db9.lineTo(c.topRight());
    db9.lineTo(c.right() - 5, c.bottom());
    db9.lineTo(c.left() + 5, c.bottom());
    db9.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(160, 162, 168));
    p.drawPath(db9);
    p.setBrush(QColor(30, 30, 30));
    for (int k = 0; k < 5; ++k)
        p.drawEllipse(QPointF(c.left() + 9 + k * 6, c.top() + 6), 1.4, 1.4);
    for (int k = 0; k < 4; ++k)
        p.drawEllipse(QPointF(c.left() + 12 + k * 6, c.top() + 13), 1.4, 1.4);
    text(p, QRectF(24, 66, 58, 10), QStringLiteral("Console"), 8);

    // power and console LEDs with captions
    led(p, toPicture(177, 51, 9, 9));
    led(p, toPicture(177, 73, 9, 8));
    text(p, QRectF(toPicture(190, 50, 50, 10).topLeft(), QSizeF(50, 10)), QStringLiteral("Console"), 8, false,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(toPicture(190, 72, 50, 10).topLeft(), QSizeF(50, 10)), QStringLiteral("Power"), 8, false,
         Qt::AlignLeft | Qt::AlignVCenter);

    // LED legend
    text(p, QRectF(200, 6, 150, 10), QStringLiteral("10/100M: Orange   1000M: Green"), 7);
    text(p, QRectF(200, 16, 150, 10), QStringLiteral("Link: On   Act: Blinking"), 7);

    // port LED block: 1 3 5 7 over 2 4 6 8
    const int ledPos[8][2] = {{257, 57}, {257, 72}, {273, 57}, {273, 72}, {289, 56}, {289, 71}, {305, 57}, {305, 72}};
    for (int n = 0; n < 8; ++n) {
        led(p, toPicture(ledPos[n][0], ledPos[n][1], 7, 7));
        const QRectF label = toPicture(ledPos[n][0] - 2, n % 2 ? ledPos[n][1] + 8 : ledPos[n][1] - 10, 11, 9);
        text(p, label, QString::number(n + 1), 7);
    }

    // eight RJ-45 sockets in the same arrangement
    const double sock[8][4] = {{345, 27, 31, 23}, {347, 53, 28, 23}, {377, 27, 27, 24}, {376, 54, 27, 22},
                               {406, 27, 26, 23}, {405, 54, 26, 22}, {433, 27, 26, 23}, {433, 52, 26, 24}};
    for (const auto& s : sock)
        rj45(p, toPicture(s[0], s[1], s[2], s[3]));
    text(p, toPicture(345, 79, 115, 10), QStringLiteral("1000BASE-T"), 7);

    // combo groups: SFP slot, RJ-45, SFP LED over copper LED
    const struct {
        double sfpX, rjX, rjY, ledX, ledY1, ledY2, x0;
        const char* label;
    } combos[] = {{518, 567, 54, 484, 55, 70, 478, "Combo1/9"}, {662, 708, 52, 626, 57, 70, 620, "Combo2/10"}};
    for (const auto& g : combos) {
        p.setPen(QPen(QColor(120, 124, 132), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(toPicture(g.x0, 22, g.rjX + 30 - g.x0, 64));
        text(p, toPicture(g.x0 + 4, 24, 80, 11), QString::fromLatin1(g.label), 8, true, Qt::AlignLeft | Qt::AlignVCenter);
        sfp(p, toPicture(g.sfpX, 60, 28, 17));
        rj45(p, toPicture(g.rjX, g.rjY, 26, 24));
        led(p, toPicture(g.ledX, g.ledY1, 7, 7));
        led(p, toPicture(g.ledX, g.ledY2, 7, 7));
        text(p, toPicture(g.ledX + 8, g.ledY1 - 1, 20, 9), QStringLiteral("SFP"), 6, false, Qt::AlignLeft | Qt::AlignVCenter);
        text(p, toPicture(g.ledX + 8, g.ledY2 - 1, 20, 9), QStringLiteral("RJ45"), 6, false, Qt::AlignLeft | Qt::AlignVCenter);
    }
    return img;
}

QImage glyph(bool isSfp, QSize size)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (isSfp)
        sfp(p, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    else
        rj45(p, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = front().save(out.filePath(QStringLiteral("front.jpg")), "JPG", 92) &&
                    glyph(false, QSize(24, 20)).save(out.filePath(QStringLiteral("rj45.png"))) &&
                    glyph(true, QSize(26, 14)).save(out.filePath(QStringLiteral("sfp.png")));
    return ok ? 0 : 1;
}
