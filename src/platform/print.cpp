#include "print.h"

#include "dialog_driver.h"
#include "file_write.h"
#include "gui_app.h"
#include "lang.h"
#include "msgbox.h"
#include "qt_canvas.h"
#include "window_internal.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cstdlib>
#include <memory>

#include <sys/stat.h>

struct PrintJob {
    std::unique_ptr<QPrinter> printer;
    // A PDF is drawn into memory and written whole through the saver, so a
    // full disk or a missing folder is reported and never leaves half a file.
    std::unique_ptr<QBuffer> pdf_bytes;
    std::unique_ptr<QPdfWriter> pdf_writer;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<QtCanvas> canvas;
    Window* owner = nullptr;
    std::string pdf_path;
    std::string document_name;
    bool pdf_is_ours = false;   // the layer chose the file name
    bool doc_started = false;
    bool page_open = false;
    int pages = 0;
};

namespace {

bool force_pdf = false;

const Text5 pdf_written{
    "No printer is installed. The page was written to the PDF file\n%s",
    "Принтер не установлен. Страница записана в PDF-файл\n%s",
    "Принтер не встановлено. Сторінку записано у PDF-файл\n%s",
    "Es ist kein Drucker eingerichtet. Die Seite wurde in die PDF-Datei\n%s\ngeschrieben.",
    "Aucune imprimante n'est installée. La page a été écrite dans le fichier PDF\n%s"};
const Text5 pdf_failed{"No printer is installed, and the page could not be written to a PDF file.\n%s",
                       "Принтер не установлен, и страницу не удалось записать в PDF-файл.\n%s",
                       "Принтер не встановлено, і сторінку не вдалося записати у PDF-файл.\n%s",
                       "Es ist kein Drucker eingerichtet, und die Seite konnte nicht in eine PDF-Datei geschrieben "
                       "werden.\n%s",
                       "Aucune imprimante n'est installée, et la page n'a pas pu être écrite dans un fichier PDF.\n%s"};
const Text5 print_caption{"Print", "Печать", "Друк", "Drucken", "Impression"};

QString pdf_folder()
{
    if (const char* env = std::getenv("VELMARIN_PDF_DIR"); env != nullptr && *env != '\0') return QString::fromUtf8(env);
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!docs.isEmpty() && QDir(docs).exists()) return docs;
    return QDir::homePath();
}

// Whether anything stands under the name, a link that leads nowhere too.
bool name_taken(const QString& path)
{
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// A file name of our own that names nothing yet: an earlier print is never
// overwritten, and a link left under the name is not written through.
QString fresh_pdf_path(const std::string& document_name)
{
    QString stem = QFileInfo(QString::fromStdString(document_name)).completeBaseName();
    if (stem.isEmpty()) stem = QStringLiteral("page");
    QDir dir(pdf_folder());
    QString base = QStringLiteral("velmarin-") + stem;
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; name_taken(path); ++n) path = dir.filePath(base + QStringLiteral("-%1.pdf").arg(n));
    return path;
}

QPaintDevice& device_of(PrintJob& job)
{
    if (job.pdf_writer) return *job.pdf_writer;
    return *job.printer;
}

std::string format_with_path(const char* text, const std::string& path)
{
    std::string out(text);
    size_t at = out.find("%s");
    if (at != std::string::npos) out.replace(at, 2, path);
    return out;
}

}  // namespace

void print_pdf_only(bool on) { force_pdf = on; }

PrintJob* print_dialog(Window* owner)
{
    ensure_gui_app();
    auto job = std::make_unique<PrintJob>();
    job->owner = is_window(owner) ? owner : nullptr;
    bool no_printer = force_pdf || QPrinterInfo::availablePrinters().isEmpty();
    job->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *job->printer;
    if (no_printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(300);
        printer.setOutputFileName(fresh_pdf_path("readme.txt"));
        job->pdf_is_ours = true;
    }
    ChooserAnswer a;
    if (take_chooser_answer(a)) {
        if (!a.accept) return nullptr;
    } else if (dialog_test_mode()) {
        return nullptr;
    } else {
        QWidget* parent = job->owner && job->owner->top ? job->owner->top.data() : nullptr;
        QString preset = printer.outputFileName();
        QPrintDialog dlg(&printer, parent);
        if (dlg.exec() != QDialog::Accepted) return nullptr;
        // A file the user named in the dialog is taken as it is.
        if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName() != preset)
            job->pdf_is_ours = false;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty()) {
            printer.setOutputFileName(fresh_pdf_path("readme.txt"));
            job->pdf_is_ours = true;
        }
        job->pdf_path = printer.outputFileName().toStdString();
    }
    return job.release();
}

bool print_start_doc(PrintJob* job, std::string_view document_name)
{
    if (job == nullptr || job->doc_started) return false;
    job->document_name = std::string(document_name);
    job->printer->setDocName(QString::fromUtf8(document_name.data(), static_cast<qsizetype>(document_name.size())));
    if (job->pdf_is_ours) {
        // Named after the document, still never over an existing file.
        job->printer->setOutputFileName(fresh_pdf_path(job->document_name));
        job->pdf_path = job->printer->outputFileName().toStdString();
    }
    if (!job->pdf_path.empty()) {
        // The page in the printer's layout and resolution, drawn into memory.
        job->pdf_bytes = std::make_unique<QBuffer>();
        job->pdf_bytes->open(QIODevice::WriteOnly);
        job->pdf_writer = std::make_unique<QPdfWriter>(job->pdf_bytes.get());
        job->pdf_writer->setResolution(job->printer->resolution());
        job->pdf_writer->setPageLayout(job->printer->pageLayout());
        job->pdf_writer->setTitle(job->printer->docName());
        job->pdf_writer->setCreator(QStringLiteral("Velmarin"));
    }
    job->painter = std::make_unique<QPainter>();
    if (!job->painter->begin(&device_of(*job))) {
        job->painter.reset();
        return false;
    }
    job->doc_started = true;
    return true;
}

bool print_start_page(PrintJob* job)
{
    if (job == nullptr || !job->doc_started || job->page_open) return false;
    if (job->pages > 0) {
        const bool turned = job->pdf_writer ? job->pdf_writer->newPage() : job->printer->newPage();
        if (!turned) return false;
    }
    job->page_open = true;
    ++job->pages;
    // Every page starts with the device's default drawing state.
    job->canvas = std::make_unique<QtCanvas>(*job->painter, true);
    return true;
}

Canvas* print_canvas(PrintJob* job)
{
    return job && job->page_open ? job->canvas.get() : nullptr;
}

DeviceCaps print_caps(const PrintJob* job)
{
    if (job == nullptr) return DeviceCaps{};
    if (job->pdf_writer) return QtCanvas::caps_of(*job->pdf_writer);
    return QtCanvas::caps_of(*job->printer);
}

bool print_end_page(PrintJob* job)
{
    if (job == nullptr || !job->page_open) return false;
    job->canvas.reset();
    job->page_open = false;
    return true;
}

bool print_end_doc(PrintJob* job)
{
    if (job == nullptr || !job->doc_started) return false;
    if (job->page_open) print_end_page(job);
    bool ok = job->painter->end();
    job->painter.reset();
    job->doc_started = false;
    if (!job->pdf_path.empty()) {
        job->pdf_writer.reset();   // finishes the document in memory
        const QByteArray bytes = job->pdf_bytes ? job->pdf_bytes->data() : QByteArray();
        job->pdf_bytes.reset();
        std::string why;
        if (!ok || bytes.isEmpty()) {
            why = "The page could not be drawn.";
        } else {
            const WriteOutcome w = write_file_whole(
                job->pdf_path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            if (!w.ok) why = w.message;
        }
        ok = why.empty();
        message_box(job->owner, format_with_path(pick(ok ? pdf_written : pdf_failed), ok ? job->pdf_path : why),
                    pick(print_caption), ok ? mb_iconinformation : mb_iconerror);
    }
    return ok;
}

void print_close(PrintJob* job)
{
    if (job == nullptr) return;
    if (job->doc_started) {
        job->canvas.reset();
        job->painter->end();
    }
    // A document not ended is not written.
    delete job;
}

std::string print_output_file(const PrintJob* job) { return job ? job->pdf_path : std::string(); }
std::string print_document_name(const PrintJob* job) { return job ? job->document_name : std::string(); }
