// CStateBitmapButton: an image button painted from one bitmap per state (normal, pressed,
// disabled, optional hover and focus) through a mask whose white pixels are transparent,
// its shape cut to the mask. A push button: the program's image buttons are commands.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <array>
#include <vector>

// The mask's transparent colour.
inline constexpr QRgb kMaskKeyColour = 0xFFFFFFFF;

class CStateBitmapButton : public QAbstractButton {
    Q_OBJECT

public:
    // Draw modes of SetBitmaps.
    enum DrawMode { Natural = 0, Stretch = 1, Tile = 2 };

    explicit CStateBitmapButton(QWidget* parent = nullptr);

    // The pictures of a button by bitmap id (0 = none) and how they are drawn.
    struct BitmapIds {
        int normal = 0;
        int down = 0;
        int hover = 0;
        int disabled = 0;  // 0: the normal picture serves
        int focus = 0;
        int mask = 0;  // shapes the button; in Natural mode the button takes its size
    };
    // Loads the pictures and draws them naturally, without edge or focus inset. Where
    // every picture and the mask also exist at twice the size, a high-density screen
    // shows those; the shape and the hit area stay the 1x mask's.
    void SetBitmaps(const BitmapIds& ids);
    // The same with the pictures given as images (null = none), at 1x only.
    void SetBitmapImages(const QImage& normal, const QImage& down, const QImage& hover,
                         const QImage& disabled, const QImage& focus, const QImage& mask, short drawMode,
                         int drawEdge, short focusInset);
    // Sets the tooltip text.
    void SetTooltipText(const QString& text);
    // Shows the keyboard focus of a button whose pictures have no focus state: a dotted
    // ring `inset` pixels inside its edge, in dark and light dots so that it shows on any
    // picture (0, the default: no ring). A focus inset given to SetBitmapImages takes
    // precedence.
    void SetFocusRing(int inset);

    // The opaque runs of a mask, bottom row first: each maximal run of pixels that differ
    // from the key becomes the rectangle (first x, y) .. (last x, y), one row high.
    static std::vector<QRect> MaskRuns(const QImage& mask, QRgb key = kMaskKeyColour);
    // The union of MaskRuns; an empty region for a null mask.
    static QRegion RegionFromMaskBitmap(const QImage& mask, QRgb key = kMaskKeyColour);
    // The picture as drawn into a rectangle of the given size: natural size from the top-left,
    // stretched, or tiled (tiling ignores the mask); where the mask is white, transparent.
    static QImage ComposePicture(const QImage& picture, const QImage& mask, QSize size, int drawMode);

    bool IsHovering() const { return m_bHover; }
    int DrawModeValue() const { return m_drawMode; }
    QSize sizeHint() const override;

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_bHover = false;
    QImage m_normalBitmap;
    QImage m_downBitmap;
    QImage m_disabledBitmap;
    QImage m_maskBitmap;
    QImage m_hoverBitmap;
    QImage m_focusBitmap;
    // The pictures at twice the size (device pixel ratio 2), when SetBitmaps found
    // them all: normal, down, hover, disabled, focus and mask, as above.
    std::array<QImage, 6> m_sharpBitmaps;
    short m_focusInset = 0;
    int m_focusRing = 0;
    QColor m_textColour;
    int m_drawEdge = 0;
    short m_drawMode = Stretch;
};
