// Builds a dialog's controls from its template: one widget per control, in
// template order (which makes the tab order), placed by converting the
// template's dialog units with the dialog font's base units.
#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

#include "DialogTemplates.h"
#include "DialogUnits.h"

// Dialogs are laid out for 96 dpi, as the templates were drawn.
inline constexpr int kDialogDpi = 96;
// The visible height of a drop-down combo; its template height is that of the open list.
inline constexpr int kComboHeight = 20;

struct TemplateControl {
    const res::ControlTemplate* control;
    QWidget* widget;
};

// Makes the widget for a control, or returns nullptr to get the default one.
using ControlFactory = std::function<QWidget*(const res::ControlTemplate& control, QWidget* parent)>;

class CDialogControls {
public:
    // The widget of control `id` (the first for IDC_STATIC), or nullptr.
    QWidget* Item(int id) const;
    template <class T>
    T* ItemAs(int id) const {
        return qobject_cast<T*>(Item(id));
    }
    const std::vector<TemplateControl>& All() const { return m_controls; }
    void Add(TemplateControl c) { m_controls.push_back(c); }

private:
    std::vector<TemplateControl> m_controls;
};

// The dialog's base units for its template font.
res::DialogBaseUnits TemplateBaseUnits(const res::DialogTemplate& dialog);
// A control's rectangle in the dialog's client pixels.
QRect ControlRect(const res::ControlTemplate& control, res::DialogBaseUnits units);

// Gives `dialog` the template's font and size and creates its controls.
// Every control's objectName is its decimal id ("" for IDC_STATIC).
CDialogControls BuildDialogControls(QWidget* dialog, const res::DialogTemplate& dialogTemplate,
                                    const ControlFactory& factory = {});
