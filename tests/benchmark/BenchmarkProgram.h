#pragma once
// A program of the build started for a measurement, driven by posted messages
// the way a keyboard buffer or a wheel delivers them, and ended with it.
#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// The folder of the running benchmark, where the build puts the programs.
std::string ProgramFolder();

// A temporary folder with a copy of the editor, so that the editor reads the
// benchmark's settings file; it goes with everything written into it.
class EditorFolder {
public:
    explicit EditorFolder(const char* name);
    ~EditorFolder();
    EditorFolder(const EditorFolder&) = delete;
    EditorFolder& operator=(const EditorFolder&) = delete;

    std::string Editor() const { return path + "zorix.exe"; }
    void WriteSettings(const std::string& text) const;
    // Writes the file into the folder and returns its path.
    std::string AddFile(const char* name, const char* bytes, DWORD size);

private:
    std::string path;
    std::vector<std::string> files;
};

class Program {
public:
    // Waits until the top-level window of the class shows and the program has
    // handled everything queued at start-up (loading a large file takes a while).
    Program(const std::string& exe, const std::string& arguments, const char* className);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Ready() const { return ready; }
    HWND Frame() const { return frame; }
    // Gives the frame the size and waits until the program has laid itself out.
    bool Resize(int width, int height);
    bool Maximise();
    // Posts the messages and returns the milliseconds until the program has handled them all.
    double Post(UINT message, const std::string& keys, LPARAM keyData);
    double Post(UINT message, WPARAM wParam, LPARAM lParam, size_t count);

private:
    HWND FindOwnWindow(const char* className) const;
    bool Handled() const;
    double Finished(double start) const;

    PROCESS_INFORMATION info = {};
    HWND frame = nullptr;
    HWND marker = nullptr;
    bool ready = false;
};

} // namespace bench
