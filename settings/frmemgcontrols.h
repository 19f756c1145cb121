#pragma once
// The embedded-information view's controls (FrmEMG): each box with the
// label that captions it, top to bottom, the dealer data in its frame,
// Close and Help. Every box is locked: the view writes nothing.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::emg {

inline constexpr char AreaCodeLabel[] = "Label2";
inline constexpr char AreaCode[] = "Text1_0";
inline constexpr char ManufactureCodeLabel[] = "Label1_0";
inline constexpr char ManufactureCode[] = "Text1_6";
inline constexpr char UserCodeLabel[] = "Label1_9";
inline constexpr char UserCode[] = "Text1_7";
inline constexpr char ModelLabel[] = "Label1_1";
inline constexpr char Model[] = "Combo1_0";           // the model's display name, one entry
inline constexpr char BandLabel[] = "Label1_2";
inline constexpr char Band[] = "Combo1_1";            // the eight band ranges
inline constexpr char SerialNumberLabel[] = "Label1_3";
inline constexpr char SerialNumber[] = "Text1_1";
inline constexpr char ProductDateLabel[] = "Label1_4";
inline constexpr char ProductDate[] = "Text1_2";
inline constexpr char MaintainDateLabel[] = "Label1_5";
inline constexpr char MaintainDate[] = "Text1_3";
inline constexpr char VersionLabel[] = "Label1_8";
inline constexpr char Version[] = "Text1_5";
// The maintenance reason: three rows, captioned by two labels stacked.
inline constexpr char MaintainReasonLabel[] = "Label1_6";
inline constexpr char MaintainReasonLabel2[] = "Label1_7";
inline constexpr char MaintainReason[] = "Text1_4";

inline constexpr char DealerFrame[] = "Frame1";
inline constexpr char DealerCodeLabel[] = "Label1_10";
inline constexpr char DealerCode[] = "Text1_8";
inline constexpr char StockDateLabel[] = "Label1_11";
inline constexpr char StockDate[] = "Text1_9";
inline constexpr char SellDateLabel[] = "Label1_12";
inline constexpr char SellDate[] = "Text1_10";
inline constexpr char SellerLabel[] = "Label1_13";
inline constexpr char Seller[] = "Text1_11";

// The captioned boxes (forms/controls.h): the window lays them out from
// these tables, and the report prints each caption beside its box's text.
// The boxes above the maintenance reason, top to bottom.
inline constexpr CaptionedControl kBoxes[] = {
    {AreaCodeLabel, AreaCode},
    {ManufactureCodeLabel, ManufactureCode},
    {UserCodeLabel, UserCode},
    {ModelLabel, Model},
    {BandLabel, Band},
    {SerialNumberLabel, SerialNumber},
    {ProductDateLabel, ProductDate},
    {MaintainDateLabel, MaintainDate},
    {VersionLabel, Version},
};
// The dealer data in its frame, below the maintenance reason.
inline constexpr CaptionedControl kDealerBoxes[] = {
    {DealerCodeLabel, DealerCode},
    {StockDateLabel, StockDate},
    {SellDateLabel, SellDate},
    {SellerLabel, Seller},
};

// Rows top to bottom, each label before its box.
inline constexpr ControlEntry kControls[] = {
    {AreaCodeLabel, ControlKind::Label},
    {AreaCode, ControlKind::TextBox},
    {ManufactureCodeLabel, ControlKind::Label},
    {ManufactureCode, ControlKind::TextBox},
    {UserCodeLabel, ControlKind::Label},
    {UserCode, ControlKind::TextBox},
    {ModelLabel, ControlKind::Label},
    {Model, ControlKind::ComboBox},
    {BandLabel, ControlKind::Label},
    {Band, ControlKind::ComboBox},
    {SerialNumberLabel, ControlKind::Label},
    {SerialNumber, ControlKind::TextBox},
    {ProductDateLabel, ControlKind::Label},
    {ProductDate, ControlKind::TextBox},
    {MaintainDateLabel, ControlKind::Label},
    {MaintainDate, ControlKind::TextBox},
    {VersionLabel, ControlKind::Label},
    {Version, ControlKind::TextBox},
    {MaintainReasonLabel, ControlKind::Label},
    {MaintainReason, ControlKind::TextBox},
    {MaintainReasonLabel2, ControlKind::Label},
    {DealerFrame, ControlKind::Frame},
    {DealerCodeLabel, ControlKind::Label},
    {DealerCode, ControlKind::TextBox},
    {StockDateLabel, ControlKind::Label},
    {StockDate, ControlKind::TextBox},
    {SellDateLabel, ControlKind::Label},
    {SellDate, ControlKind::TextBox},
    {SellerLabel, ControlKind::Label},
    {Seller, ControlKind::TextBox},
    {kCloseButton, ControlKind::Button},
    {kHelpButton, ControlKind::Button, "", false},
};

}  // namespace rp::emg
