// The dialogs the main window's menu entries open: each entry makes its
// dialog's form afresh and opens it over the window.
#include <functional>
#include <map>

#include "channels/frmchbatch.h"
#include "fivetone/frm5tone.h"
#include "forms/savequestion.h"
#include "mainwindow/frmabout.h"
#include "mainwindow/frmlanguage.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/frmmaincontrols.h"
#include "printing/frmprintlist.h"
#include "settings/frmalert.h"
#include "settings/frmcommubook.h"
#include "settings/frmmodel.h"
#include "settings/frmoption.h"
#include "settings/frmscan.h"
#include "signalling/frm2tone.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmmsk.h"

namespace rp {

namespace {

using DialogMaker = std::function<std::unique_ptr<Form>(FrmMain&)>;

// A dialog whose form takes only the data.
template <class F>
DialogMaker Plain() {
    return [](FrmMain& m) -> std::unique_ptr<Form> { return std::make_unique<F>(m.d); };
}

// Menu entries that open a dialog, and the dialog each makes (the MSK
// dialog refuses to show for a model without MSK). The port, test-data and
// password dialogs come with the radio commands, the about box with the
// file commands as well.
const std::map<std::string, DialogMaker>& DialogOfMenu() {
    static const std::map<std::string, DialogMaker> m = {
        {mainform::FilePrint, Plain<FrmPrintList>()},
        {mainform::ModelInfo,
         [](FrmMain& w) -> std::unique_ptr<Form> {
             // The main window's save question, whose Yes runs its File > Save.
             return std::make_unique<FrmModel>(w.d, [&w] {
                 return GoesOn(AskSaveQuestion(w.d, *w.dialogCalls, SaveQuestionText(w.d)));
             });
         }},
        {mainform::EditOptions, Plain<FrmOption>()},
        {mainform::EditMsk, Plain<FrmMSK>()},
        {mainform::EditDtmf, Plain<FrmDTMF>()},
        {mainform::EditTwoTone, Plain<Frm2Tone>()},
        {mainform::EditFiveTone, Plain<Frm5Tone>()},
        {mainform::EditScan, Plain<FrmScan>()},
        {mainform::EditAlert, Plain<FrmAlert>()},
        // The book's file choosers are the program's (d.Ui.Files).
        {mainform::EditCommBook, Plain<FrmCommuBook>()},
        {mainform::ChannelBatch, Plain<FrmCHBatch>()},
        {mainform::SetLanguage,
         [](FrmMain& w) -> std::unique_ptr<Form> { return std::make_unique<FrmLanguage>(w.d, *w.dialogCalls); }},
        {mainform::HelpAbout, Plain<FrmAbout>()},
    };
    return m;
}

}  // namespace

void FrmMain::OpenDialogOf(const std::string& menu) {
    auto it = DialogOfMenu().find(menu);
    if (it != DialogOfMenu().end()) Open(it->second(*this));
}

}  // namespace rp
