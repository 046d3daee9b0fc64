// CPillarStrip: a row of pillar cells to pick from, the chart window's luck
// pillars (大运) and years (流年). Each cell shows small lines above (age,
// year), two large characters in their elements' colours (the pillar, or a
// label such as 小运) and a small line below. One tab stop: the arrow keys,
// Home and End move the pick as a click does, and the picked cell carries the
// focus frame; the cell of the present (this year, its luck pillar) is
// marked with a red frame.
#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <vector>

// What one cell shows.
struct PillarCell {
    QStringList above;  // small lines over the characters: "37岁", "2024"
    QString big;        // two characters stacked: "甲辰", "小运"
    int pillar = -1;    // sexagenary index that colours `big`; -1: plain ink
    QString below;      // a small line under them: "比肩"; may be empty
    bool present = false;
};

class CPillarStrip : public QListWidget {
    Q_OBJECT
public:
    // `aboveLines` is the number of small lines every cell keeps over its characters.
    explicit CPillarStrip(int aboveLines, QWidget* parent = nullptr);

    // Shows these cells with `picked` picked (-1: none), without signalling.
    void SetCells(const std::vector<PillarCell>& cells, int picked);
    // Where cell `index` lies in the viewport (for clicks in tests); empty for no cell.
    QRect CellRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user picked a cell, by mouse or by keyboard.
    void picked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitCells();

    int m_aboveLines;
    bool m_bSetting = false;  // the program, not the user, moves the pick
};
