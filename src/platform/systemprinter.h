#pragma once

#include "platform/printer.h"

// Prints through the platform's print system (CUPS on Linux) on the default
// printer, with no dialog.
class SystemPrinter : public Printer
{
public:
    PrintResult print(const QTextDocument &document) override;
};
