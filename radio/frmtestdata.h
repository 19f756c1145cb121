#pragma once
// The test-data dialog: the factory adjustment block (TestDataBuf 0..31) in
// eighteen hexadecimal boxes, of which the rows of bytes 2 to 16 are shown.
// It edits a working copy; Load and Save work on ".ted" files, OK copies
// the whole copy back and marks the block as entered.
#include <string>

#include "core/appdata.h"
#include "core/testdata.h"
#include "forms/formstate.h"
#include "radio/frmtestdatacontrols.h"

namespace rp {

// The message for a box that does not hold a byte in hexadecimal.
inline const LangTexts kTestDataHexText = {
    "", "Each value must be a hexadecimal number from 00 to FF.", "每个值必须是 00 到 FF 之间的十六进制数。"};

class FrmTestData : public Form {
public:
    static constexpr char kName[] = "FrmTestData";
    static constexpr int kBoxes = 18;  // testdata::Boxes[0 .. 17]

    explicit FrmTestData(AppData& d);

    void Form_Load() override;
    void SetTestDataCaptions();
    // Every box from the working copy, as two upper-case hex digits.
    void ShowTestData();
    // Every box into the working copy (bytes 18 to 31 untouched); the boxes
    // must have passed FirstBadBox.
    void ReadTestDataBoxes();
    // The first box (0..17) that does not hold a hexadecimal value from 00
    // to FF, -1 when all do.
    int FirstBadBox() const;
    // Index 0 Load, 1 Save.
    void Command1_Click(int index);
    void CommandOK_Click();
    void CommandCancel_Click();
    void Text1_KeyPress(int index, int& keyAscii);

    // The dialog's own copy of the block.
    TestDataBlock WorkCopy{};
    // The chooser filter: the file-type name and " (*.ted)".
    std::string FileFilter() const;

    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;

private:
    // Shows the hex message and puts the focus on the box; false when a box
    // is bad.
    bool CheckBoxes();

    AppData& d_;
};

}  // namespace rp
