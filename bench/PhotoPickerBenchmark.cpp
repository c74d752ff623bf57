// The photo picker over a device full of camera photos: 2,000 JPEGs of
// 4000 x 3000 pixels that carry an EXIF thumbnail and 200 that do not, in
// the personal folder's "DCIM" tree. Goals: the search and the first page
// shown in under 1 second, each further page in under 100 ms, the whole
// program under 100 MB.
//
// One photo of each kind is encoded, then copied under 2,200 names: each
// copy is a file of its own with its own birth time, so the search sorts
// real files. Every eleventh file is one without a thumbnail, so that each
// page holds one or two of the photos that must be decoded from their
// 12-megapixel data (at 1/8 scale). The files are made by a child process,
// so that the encoding's buffers do not count in the program's peak memory,
// and are deleted at the end.

#include "support/JpegTestKit.h"
#include "support/TemporaryFolder.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"
#include "app/StartUp.h"
#include "dialogs/CImageSelectDlg.h"
#include "model/CWinBlogStorage.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "ui/CImageGridCtrl.h"
#include "workflows/ImageSelectWorkflow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kWithThumbnail = 2000;
constexpr int kWithout = 200;
constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
// The picture is drawn at a quarter of the size and enlarged: its JPEG is
// about 1.4 megabytes, like a camera's at its lower quality setting, which
// keeps the 2,200 files near three gigabytes (deleted at the end).
constexpr int kDrawnScale = 4;
constexpr StringId kAddPhotosTitle = 308;

std::vector<uint8_t> EncodePhoto(bool withThumbnail)
{
    RgbPicture drawn = MakePhotoLikePicture(kPhotoWidth / kDrawnScale, kPhotoHeight / kDrawnScale, 7);
    RgbPicture photo { kPhotoWidth, kPhotoHeight, std::vector<uint8_t>(static_cast<size_t>(kPhotoWidth) * kPhotoHeight * 3) };
    for (int y = 0; y < kPhotoHeight; ++y) {
        for (int x = 0; x < kPhotoWidth; ++x) {
            const uint8_t* from = &drawn.rgb[(static_cast<size_t>(y / kDrawnScale) * drawn.width + x / kDrawnScale) * 3];
            std::copy(from, from + 3, &photo.rgb[(static_cast<size_t>(y) * kPhotoWidth + x) * 3]);
        }
    }
    JpegOptions options;
    options.quality = 85;
    if (withThumbnail)
        options.app1 = MakeExifBlock(false, "2024:05:01 10:00:00", "", EncodeJpeg(MakePhotoLikePicture(160, 120, 7), {}));
    return EncodeJpeg(photo, options);
}

bool WriteCopies(const std::string& folder)
{
    std::vector<uint8_t> with = EncodePhoto(true);
    std::vector<uint8_t> without = EncodePhoto(false);
    std::printf("photo files: %zu bytes with a thumbnail, %zu without\n", with.size(), without.size());
    for (int i = 0; i < kWithThumbnail + kWithout; ++i) {
        // 200 of every 2,200 are without: every eleventh.
        const std::vector<uint8_t>& bytes = i % 11 == 10 ? without : with;
        std::string sub = JoinPath(folder, "DCIM/" + std::to_string(100 + i / 500) + "CAMERA");
        if (i % 500 == 0 && CreateFolderWithParents(sub) != Error::Success)
            return false;
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
        std::ofstream out(JoinPath(sub, name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            return false;
    }
    return true;
}

// Makes the photos in a child process; false when it failed.
bool MakePhotosApart(const std::string& personal)
{
    pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        bool made = WriteCopies(personal);
        std::fflush(stdout);
        _exit(made ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The sandboxed device, with one blog whose photos are excluded.
struct PickerDevice {
    TemporaryFolder home;
    std::unique_ptr<CWinBlogStorage> blog;
};

std::unique_ptr<CImageSelectDlg> OpenPicker(ImageSelectWorkflow& workflow)
{
    auto dialog = std::make_unique<CImageSelectDlg>(workflow);
    dialog->show();
    // The dialog lays its grid out from the events of its showing.
    QCoreApplication::processEvents();
    dialog->GetGrid().repaint();
    return dialog;
}

double PeakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Opening the picker: the search of the device's folders (2,200 photos
// found and sorted newest first) and the first page drawn from the files.
void PickerSearchAndFirstPage(benchmark::State& state, PickerDevice* device)
{
    size_t found = 0;
    size_t decoded = 0;
    for (auto _ : state) {
        ImageSelectWorkflow workflow(*device->blog, kAddPhotosTitle);
        auto dialog = OpenPicker(workflow);
        found = workflow.GetItemCount();
        decoded = dialog->GetGrid().GetCache().GetDecodeCount();
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
    state.counters["photos"] = static_cast<double>(found);
    state.counters["decoded"] = static_cast<double>(decoded);
    state.counters["peak MB"] = PeakMegabytes();
}

// Page Down through the open picker: each page's cells decoded from their
// files and drawn; at the end it starts again from the top.
void PickerNextPage(benchmark::State& state, PickerDevice* device)
{
    ImageSelectWorkflow workflow(*device->blog, kAddPhotosTitle);
    auto dialog = OpenPicker(workflow);
    CImageGridCtrl& grid = dialog->GetGrid();
    grid.ClearSelection();
    for (auto _ : state) {
        if (grid.GetFirstRow() >= grid.GetLayout().GetScrollRange())
            grid.SetFirstRow(0);
        else
            grid.HandleGridKey(ViewKey::PageDown);
        grid.repaint();
    }
    state.counters["cells"] = grid.GetLayout().GetRows() * grid.GetLayout().GetColumns();
    state.counters["decoded"] = static_cast<double>(grid.GetCache().GetDecodeCount());
    state.counters["peak MB"] = PeakMegabytes();
}

}

int main(int argc, char** argv)
{
    PickerDevice device;
    DeviceFolders::Use(DeviceFolders::ForSandbox(device.home.Path()));
    if (!MakePhotosApart(DeviceFolders::Current().PersonalFolder())) {
        std::fprintf(stderr, "could not make the photos\n");
        return 1;
    }
    if (!CreatePreferenceKeyChain())
        return 1;
    device.blog = std::make_unique<CWinBlogStorage>();

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ScreenScale::Set({});
    ScreenSize::Set({ 240, 320 });
    benchmark::RegisterBenchmark("BM_PickerSearchAndFirstPage", PickerSearchAndFirstPage, &device)->Unit(benchmark::kMillisecond)->Iterations(5);
    benchmark::RegisterBenchmark("BM_PickerNextPage", PickerNextPage, &device)->Unit(benchmark::kMillisecond)->Iterations(150);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
