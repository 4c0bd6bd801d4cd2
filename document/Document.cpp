#include "document/Document.h"

#include <cstring>

#include "app/FrameWindow.h"
#include "resources/resource.h"

const char untitledName[] = "無題";

Document::Document()
{
    Reset();
}

bool Document::IsUntitled() const
{
    return std::strcmp(fileName, untitledName) == 0;
}

void Document::SetModified(bool flag)
{
    modified = flag;
    if (!frame)
        return;
    frame->EnableCommand(ID_FILE_SAVE, flag);
    frame->UpdateTitle();
}

int Document::ConfirmSave()
{
    if (!modified || !frame)
        return IDNO;
    int answer = frame->ShowMessage(nullptr, "データの変更を保存しますか？", MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer != IDYES)
        return answer;
    SendMessageA(frame->hwndFrame, WM_COMMAND, ID_FILE_SAVE, 0);
    // A save that was cancelled in the picker or failed must not let the
    // changes be thrown away.
    return modified ? IDCANCEL : IDYES;
}

bool Document::Reset()
{
    if (ConfirmSave() == IDCANCEL)
        return false;
    BecomeUntitled();
    SetModified(false);
    readOnly = FALSE;
    ClearUndo();
    return true;
}

void Document::BecomeUntitled()
{
    Free();
    SetFileName(untitledName);
    diskStamp = FileStamp();
}

void Document::SetFileName(const char* path)
{
    lstrcpynA(fileName, path, sizeof fileName);
}
