// The PDF report command.
#include "app/Ov4kApp.h"

#include "core/OvParametersReference.h"
#include "io/OvPdfReport.h"

#include <QDir>
#include <QGuiApplication>
#include <QUrl>

namespace {

void reportBox(PlantMessage::Icon icon, const QString& text)
{
    PlantMessage message;
    message.icon = icon;
    message.text = qtTrId("USR_MSG_EXPORT_TO_PDF_FILE");
    message.informativeText = text;
    PlantDialogs::show(message);
}

} // namespace

void Ov4kApp::onPdfExportBtnClicked()
{
    if (refusedNow("PDF export"))
        return;
    if (!m_plant)
        return;
    QString name = askSaveFileName(2);
    // Only the name's own extension: a folder may end in it too.
    const QString extension = m_parameters->getDefaultFileExtensione();
    if (!extension.isEmpty() && name.endsWith(extension))
        name = name.left(name.size() - extension.size()) + QStringLiteral(".pdf");
    if (name.isEmpty())
        return;
    // A file that may not be replaced is refused by the report's own file, with the reason.
    QString failure;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    {
        OvPdfReport report(name);
        if (!report.printAll(m_plant))
            failure = report.failureText();
    }
    QGuiApplication::restoreOverrideCursor();
    if (!failure.isEmpty())
        reportBox(PlantMessage::Critical, failure);
    else if (!PlantDialogs::showUrl(QUrl::fromLocalFile(name)))
        reportBox(PlantMessage::Information,
                  qtTrId("USR_MSG_EXPORT_TO_PDF_DONE") + QLatin1Char('\n') + QDir::toNativeSeparators(name));
}
