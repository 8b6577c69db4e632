#pragma once
// Gives the album editor its Internet page (the third tab) and its index print.
namespace gb {

void InstallInternetAndPrint();

} // namespace gb
