// The PDF writer of omvera-cli report --out FILE.pdf: the same document as the main window's
// "Сохранить как..." with the pdf filter makes of the text view.
#include "app/ui/document_output.h"
#include "cli/commands.h"
#include "cli/qt/gui_application.h"

namespace omvera::cli {
namespace {

std::string ReportPdf(const std::vector<std::string>& lines) {
    const auto gui = EnsureGuiApplication();
    PagedDocument doc;
    doc.Lines = &lines;
    return PdfBytes(doc);
}

const PdfWriterRegistration kReportPdf(ReportPdf);

} // namespace
} // namespace omvera::cli
