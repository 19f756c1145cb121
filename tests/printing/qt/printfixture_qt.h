#pragma once
// The print-item dialog on real widgets (offscreen) with a printer chooser
// that prints to a PDF file (or cancels) and a fixed clock; PDF contents
// read back with pdfinfo and pdftotext.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "printing/frmprintlist.h"
#include "printing/printstrings.h"
#include "printing/qt/openers.h"
#include "settings/formfixture.h"

namespace rp::test {

// The output of a poppler tool ("" when it failed).
inline std::string RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput().toStdString();
}

inline int PdfPages(const std::string& path) {
    const std::string info = RunTool("pdfinfo", {QString::fromStdString(path)});
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

inline std::string PdfText(const std::string& path) {
    return RunTool("pdftotext", {"-layout", QString::fromStdString(path), "-"});
}

class PrintShellTest : public SettingsFormTest {
protected:
    DialogOpeners openers;
    std::string pdfPath;        // where the chooser prints; "" cancels
    int choosers = 0;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QDateTime clock{QDate(2026, 3, 9), QTime(14, 5)};
    bool closed = false;

    void SetUp() override {
        SettingsFormTest::SetUp();
        InitPrintStrings(d);
        d.DataFilePath = "/home/dealer/new.dat";
        pdfPath = tmp / "report.pdf";
        PrintingDialogHooks hooks;
        hooks.chooser = [this](QPrinter& printer, QWidget*) {
            ++choosers;
            if (pdfPath.empty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdfPath));
            printer.setPageSize(QPageSize(pageSize));
            return true;
        };
        hooks.clock = [this] { return clock; };
        RegisterPrintingDialogs(openers, hooks);
    }
    void TearDown() override {
        openers.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FormDialog* Open() {
        closed = false;
        return openers.Open(std::make_unique<FrmPrintList>(d), nullptr, [this] { closed = true; });
    }
};

}  // namespace rp::test
