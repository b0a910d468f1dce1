#include "about/about_box.h"

#include "about/credits.h"
#include "platform/platform.h"
#include "widgets/application.h"

namespace zv {

namespace {
constexpr uint32_t kGreen = 0x008000, kBlack = 0, kGrey = 0x808080;
}

AboutBox::AboutBox(Application& app)
    : Form(app, "AboutBox"),
      Panel1(this, "Panel1"),
      BevelIcon(this, "BevelIcon", &Panel1),
      ImageOrella(this, "ImageOrella", &Panel1),
      ImageOrdinador(this, "ImageOrdinador", &Panel1),
      ProductName(this, "ProductName", &Panel1),
      Image4(this, "Image4", &Panel1),
      Version(this, "Version", &Panel1),
      Credits(this, "Credits", &Panel1),
      Comments(this, "Comments", &Panel1),
      Panel2(this, "Panel2"),
      Image2(this, "Image2", &Panel2),
      Image1(this, "Image1", &Panel2),
      ImageDedicatoria(this, "ImageDedicatoria", &Panel2),
      ImageInteligencia(this, "ImageInteligencia", &Panel2),
      Memo1(this, "Memo1", &Panel2),
      Image3(this, "Image3"),
      OKButton(this, "OKButton"),
      Timer1(this, "Timer1", 3500) {
    setCaption("Parlant de...");
    border = BorderStyle::Dialog;
    centred = true;
    handCursor = true;
    minimizeBox = maximizeBox = false;
    designClientWidth = 305;
    designClientHeight = 385;
    setBounds({0, 0, 311, 414});

    Panel1.setBounds({16, 16, 273, 145});
    Panel1.inner = Panel::Bevel::Lowered;
    BevelIcon.setBounds({8, 16, 40, 41});
    BevelIcon.raised = true;
    ImageOrella.setBounds({12, 20, 33, 33});
    ImageOrella.setPicture("orella");
    ImageOrdinador.setBounds({12, 20, 33, 33});
    ImageOrdinador.setPicture("ordinador");
    ImageOrdinador.setVisible(false);
    ProductName.setBounds({80, 2, 185, 48});
    ProductName.setCaption("Zentavoro");
    ProductName.font = {"Comic Sans MS", 32, true, kGreen};
    ProductName.centred = true;
    ProductName.wordWrap = true;
    ProductName.setHint(credits::kProjectAddress);
    Image4.setBounds({64, 5, 188, 51});
    Image4.setPicture("titol");
    Version.setBounds({117, 55, 0, 0});
    Version.setCaption(credits::kVersion);
    Version.font = {"Comic Sans MS", 11, true, kBlack};
    Credits.setBounds({5, 72, 0, 0});
    Credits.setCaption(credits::kAuthorLine);
    Credits.font = {"Comic Sans MS", 12, false, kBlack};
    Credits.setHint(credits::kAuthorAddress);
    Comments.setBounds({8, 90, 257, 52});
    Comments.font = {"Comic Sans MS", 11, true, kGrey};
    Comments.wordWrap = true;

    Panel2.setBounds({16, 176, 273, 161});
    Panel2.outer = Panel::Bevel::Lowered;
    Image2.setBounds({24, 20, 220, 112});
    Image2.setPicture("slide2");
    Image2.transparent = true;
    Image1.setBounds({24, 16, 226, 131});
    Image1.setPicture("slide1");
    Image1.setVisible(false);
    ImageDedicatoria.setBounds({8, 8, 257, 145});
    ImageDedicatoria.setPicture("dedicatoria");
    ImageDedicatoria.centred = true;
    ImageDedicatoria.setVisible(false);
    ImageInteligencia.setBounds({0, 0, 273, 161});
    ImageInteligencia.setPicture("inteligencia");
    ImageInteligencia.centred = true;
    ImageInteligencia.setVisible(false);
    Memo1.setBounds({0, 0, 273, 161});
    Memo1.setVisible(false);
    Memo1.background = 0xC0C0C0;
    Memo1.font = {"Comic Sans MS", 13, true, kBlack};
    std::vector<std::string> memo(std::begin(credits::kMemo), std::end(credits::kMemo));
    Memo1.setLines(memo);

    Image3.setBounds({70, 2, 172, 338});
    Image3.setPicture("salutacio");
    Image3.setHint(credits::kGreeting);
    Image3.setVisible(false);
    OKButton.setBounds({111, 352, 77, 27});
    OKButton.setCaption("D'acord");
    OKButton.bold = true;

    onCreate = [this] { FormCreate(); };
    onShow = [this] { FormShow(); };
    onClose = [this] { FormClose(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    onClick = [this] { ToggleMemo(); };
    Panel2.onClick = [this] { ToggleMemo(); };
    Image2.onClick = [this] { advanceSlide(Image2, Image1); };
    Image1.onClick = [this] { advanceSlide(Image1, ImageInteligencia); };
    ImageInteligencia.onClick = [this] { advanceSlide(ImageInteligencia, ImageDedicatoria); };
    ImageDedicatoria.onClick = [this] { advanceSlide(ImageDedicatoria, Image2); };
    Panel1.onClick = [this] { ShowPicture3(); };
    Image4.onClick = [this] { ShowPicture3(); };
    Version.onClick = [this] { ShowPicture3(); };
    Image3.onClick = [this] { HidePicture3(); };
    ProductName.onClick = [this] { OpenAuthorAddress(); };
    Credits.onClick = [this] { OpenAuthorAddress(); };
    Comments.onClick = [this] { CommentsClick(); };
    OKButton.onClick = [this] { close(); };
}

void AboutBox::FormCreate() {
    Memo1.readOnly = true;
    Comments.setCentred(true);
    Comments.setBounds({Comments.left(), Comments.top() + 5, Comments.width(), Comments.height() - 5});
    Comments.setCaption(credits::kSponsorLine);
}

void AboutBox::FormShow() { Timer1.setOn(true); }
void AboutBox::FormClose() { Timer1.setOn(false); }

void AboutBox::advanceSlide(Image& from, Image& to) {
    from.setVisible(false);
    to.setVisible(true);
}

void AboutBox::Timer1Timer() {
    if (Image1.visible()) {
        advanceSlide(Image1, ImageInteligencia);
    } else if (ImageInteligencia.visible()) {
        advanceSlide(ImageInteligencia, ImageDedicatoria);
    } else if (ImageDedicatoria.visible()) {
        advanceSlide(ImageDedicatoria, Image2);
        Comments.setCaption(Comments.caption() == credits::kSponsorLine ? credits::kIdeaLine : credits::kSponsorLine);
    } else if (Image2.visible()) {
        advanceSlide(Image2, Image1);
    }
    if (ImageOrdinador.visible()) {
        ImageOrdinador.setVisible(false);
        ImageOrella.setVisible(true);
    } else {
        ImageOrdinador.setVisible(true);
        ImageOrella.setVisible(false);
    }
}

void AboutBox::ToggleMemo() { Memo1.setVisible(!Memo1.visible()); }

void AboutBox::ShowPicture3() {
    Panel1.setVisible(false);
    Panel2.setVisible(false);
    Image3.setVisible(true);
}

void AboutBox::HidePicture3() {
    Image3.setVisible(false);
    Panel1.setVisible(true);
    Panel2.setVisible(true);
}

void AboutBox::OpenAuthorAddress() { app().platform().shellOpen(credits::kAuthorAddress); }

void AboutBox::CommentsClick() { Comments.setCaption(std::string("\r\n") + credits::kIdeaLine); }

}  // namespace zv
