#pragma once

// The promotional labels that most windows carry; each opens one of the maker's pages.

#include "links/WebLink.h"

#include <QString>

class QBoxLayout;
class QFrame;
class QWidget;

namespace vellora {

class LinkLabel;
class Platform;

// "Get this software fully branded": lblFullBrand on the calculators, Label7 on the main window.
QString FullBrandCaption();

// The two Ideal Body Weight windows run "Click Here ..." straight on after "details.";
// the other windows leave four blanks there.
enum class CoBrandSpacing { Tight, FourBlanks };

// The forum banners: Label61 (Body Mass Index and Ideal Body Weight windows), Label14 (Body Frame
// Size and Waist-Hip Ratio windows, where it wraps) and the main window's banner.
QString DiscussionBoardBannerCaption();
QString VisitHomePageBannerCaption();
QString ForumBannerCaption();

// A link label named objectName that opens the page when clicked.
LinkLabel *MakeWebLinkLabel(const QString &objectName, const QString &caption, WebLink link,
                            Platform &platform, QWidget *parent);

// A framed, centred banner (Frame2 with Label61 on the calculator windows) that opens the home
// page; its label stays on one line unless the window makes it wrap.
QFrame *MakeBannerFrame(const QString &frameName, const QString &labelName, const QString &caption,
                        Platform &platform, QWidget *parent);

// lblCobrand and lblFullBrand, each a wrapping, underlined link to its page.
LinkLabel *MakeCoBrandLabel(CoBrandSpacing spacing, Platform &platform, QWidget *parent);
LinkLabel *MakeFullBrandLabel(Platform &platform, QWidget *parent);

// lblCobrand above lblFullBrand, appended to the layout.
void AddBrandingLabels(QBoxLayout *layout, CoBrandSpacing spacing, Platform &platform,
                       QWidget *parent);

// The framed pair of those labels at the foot of an input window (Frame5).
QFrame *MakeBrandingFrame(CoBrandSpacing spacing, Platform &platform, QWidget *parent);

} // namespace vellora
