#include "mainwindow/radiomenu.h"

namespace rp {

void AttachRadioCommands(FrmMain& main, RadioCommands& radio) {
    RadioCommands* r = &radio;
    main.commands[mainform::ProgramRead] = [r] { r->mnuProRead_Click(); };
    main.commands[mainform::ProgramWrite] = [r] { r->MnuProWrite_Click(); };
    main.commands[mainform::ReadInformation] = [r] { r->ReadRMGDataFromRadio(); };
    main.commands[mainform::SetPort] = [r] { r->MnuSetCom_Click(); };
    main.commands[mainform::EditTestData] = [r] { r->mnuTestData_Click(); };
    main.commands[mainform::ProgramPassWord] = [r] { r->MnuProPassWord_Click(); };
    main.closeSteps.StopInformationRead = [r] { r->StopInformationReadOnClose(); };
}

}  // namespace rp
