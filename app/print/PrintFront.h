// The one print front of every window: the print command (the print dialog
// and one job) and the print preview, for any page source. The report view
// and the chart window print and preview through these two functions.
#pragma once

#include <QPointer>
#include <QString>

#include "app/pages/PageSource.h"
#include "app/print/ViewPrintPreview.h"

class QWidget;

namespace print {

// The print command of `source`: the print dialog over `owner` (all pages; no
// selection, page range or current page; printing to a file allowed, since
// on many desktops a PDF file is the only printer there is), then one job.
// A job whose file could not be written is reported over `owner` with the
// reason. `proposedFile` (PrintFileName.h), when given, is the dialog's
// default output: a PDF file of that name. Returns true when a job was
// printed; false when the dialog was cancelled or the job failed.
bool PrintWithDialog(QWidget* owner, CPrintPageSource& source, const QString& proposedFile = QString());

// The preview of `source` over `owner`'s window: opens one and keeps it in
// `preview`, or brings the open one to the front. The preview covers the
// screen even where the window system refuses to maximise it; its File >
// Print runs PrintWithDialog over it and its own print button prints the
// same pages; when it ends, `owner`'s window comes back to the front. Both
// ways of printing from the preview propose `proposedFile` as
// PrintWithDialog does. `source` must outlive the preview (it is the
// preview's owner or holds it).
void OpenPreview(QWidget* owner, CPrintPageSource& source, QPointer<CViewPrintPreview>& preview,
                 const QString& proposedFile = QString());

}  // namespace print
