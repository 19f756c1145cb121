#pragma once
// One print job: the printer dialog, the ticked sections in their fixed
// order (channel, option, DTMF, two-tone, five-tone, book, embedded
// message, alarm), each from a fresh page, and the end of the document.
#include "core/appdata.h"
#include "printing/pageframe.h"
#include "core/printerport.h"

namespace rp {

// Prints every section whose PrintItemFlags slot is set; slots 1 and 2
// print nothing. Sets PrintOK: false when the printer dialog was cancelled
// (silently) or the job failed (the failure message is shown, the
// document dropped).
void PrintSelectedItems(AppData& d, PrinterPort& port);

// The sections of the ticked slots on an open report (the job's middle).
void PrintSections(Report& r);

}  // namespace rp
