#pragma once
// The About box: name, version, credits and a small slide show. It also serves as the
// one-second splash at start-up.

#include "widgets/form.h"

namespace zv {

class AboutBox : public Form {
public:
    explicit AboutBox(Application& app);

    Panel Panel1;
    Bevel BevelIcon;
    Image ImageOrella, ImageOrdinador;
    Label ProductName;
    Image Image4;
    Label Version, Credits, Comments;
    Panel Panel2;
    Image Image2, Image1, ImageDedicatoria, ImageInteligencia;
    Memo Memo1;
    Image Image3;
    Button OKButton;
    Timer Timer1;

    void FormCreate();
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void ToggleMemo();
    void ShowPicture3();
    void HidePicture3();
    void OpenAuthorAddress();
    void CommentsClick();

private:
    void advanceSlide(Image& from, Image& to);
};

}  // namespace zv
