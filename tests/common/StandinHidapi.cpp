// A stand-in for libhidapi-hidraw, linked ahead of the real library by the
// tests and benchmarks that measure how the program waits for input
// reports. The folder named by KORVALEN_STANDIN_HID holds a file "devices"
// with one collection per line,
//
//   PATH VID PID RELEASE USAGEPAGE USAGE INTERFACE     (numbers in hex)
//
// and every PATH is a FIFO that plays the collection's hidraw node: what a
// test writes into it, eight bytes at a time, is an input report. Feature
// reports succeed and are forgotten. Calls that read input reports are
// counted, since a silent mouse should cost next to none of them.
//
// With KORVALEN_STANDIN_HID_DENY set, every open fails with EACCES, as it
// does on a system without the udev rule.

#include <hidapi/hidapi.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

struct hid_device_
{
    int fd = -1;
    bool nonblocking = false;
    hid_device_info info{};
};

namespace {

std::atomic<long> g_readCalls{0};
thread_local std::wstring g_lastError;

struct Collection
{
    std::string path;
    unsigned vid, pid, release, usagePage, usage;
    int interfaceNumber;
};

std::vector<Collection> collections()
{
    std::vector<Collection> result;
    const char *folder = std::getenv("KORVALEN_STANDIN_HID");
    if (!folder)
        return result;
    FILE *file = std::fopen((std::string(folder) + "/devices").c_str(), "r");
    if (!file)
        return result;
    char path[512];
    Collection c;
    while (std::fscanf(file, "%511s %x %x %x %x %x %x", path, &c.vid, &c.pid, &c.release,
                       &c.usagePage, &c.usage, &c.interfaceNumber) == 7) {
        c.path = path;
        result.push_back(c);
    }
    std::fclose(file);
    return result;
}

void fill(hid_device_info &info, const Collection &c)
{
    info.path = strdup(c.path.c_str());
    info.vendor_id = static_cast<unsigned short>(c.vid);
    info.product_id = static_cast<unsigned short>(c.pid);
    info.release_number = static_cast<unsigned short>(c.release);
    info.usage_page = static_cast<unsigned short>(c.usagePage);
    info.usage = static_cast<unsigned short>(c.usage);
    info.interface_number = c.interfaceNumber;
    info.bus_type = HID_API_BUS_USB;
}

} // namespace

extern "C" {

// Calls of hid_read and hid_read_timeout since the process began.
long korvalen_standin_read_calls(void)
{
    return g_readCalls.load();
}

int hid_init(void)
{
    return 0;
}

int hid_exit(void)
{
    return 0;
}

hid_device_info *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    hid_device_info *first = nullptr;
    hid_device_info **next = &first;
    for (const Collection &c : collections()) {
        if ((vendor_id && vendor_id != c.vid) || (product_id && product_id != c.pid))
            continue;
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        fill(*info, c);
        *next = info;
        next = &info->next;
    }
    return first;
}

void hid_free_enumeration(hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs);
        devs = next;
    }
}

hid_device *hid_open_path(const char *path)
{
    for (const Collection &c : collections()) {
        if (c.path != path)
            continue;
        if (std::getenv("KORVALEN_STANDIN_HID_DENY")) {
            const std::string text =
                std::string("Failed to open a device with path '") + path + "': Permission denied";
            g_lastError.assign(text.begin(), text.end());
            errno = EACCES;
            return nullptr;
        }
        // Read and write: the FIFO then always has a writer, as a node
        // always has its device, and opening never blocks.
        const int fd = ::open(path, O_RDWR | O_CLOEXEC);
        if (fd < 0)
            return nullptr;
        auto *device = new hid_device_;
        device->fd = fd;
        fill(device->info, c);
        return device;
    }
    return nullptr;
}

void hid_close(hid_device *dev)
{
    if (!dev)
        return;
    ::close(dev->fd);
    std::free(dev->info.path);
    delete dev;
}

int hid_set_nonblocking(hid_device *dev, int nonblock)
{
    dev->nonblocking = nonblock != 0;
    return 0;
}

int hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    ++g_readCalls;
    pollfd fds = {dev->fd, POLLIN, 0};
    const int ready = ::poll(&fds, 1, milliseconds);
    if (ready <= 0)
        return ready;
    const ssize_t n = ::read(dev->fd, data, length);
    return n < 0 ? (errno == EAGAIN ? 0 : -1) : int(n);
}

int hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    return hid_read_timeout(dev, data, length, dev->nonblocking ? 0 : -1);
}

int hid_send_feature_report(hid_device *dev, const unsigned char *, size_t length)
{
    return dev ? int(length) : -1;
}

int hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev || length == 0)
        return -1;
    std::memset(data + 1, 0, length - 1);
    return int(length);
}

hid_device_info *hid_get_device_info(hid_device *dev)
{
    return dev ? &dev->info : nullptr;
}

const wchar_t *hid_error(hid_device *dev)
{
    return dev || g_lastError.empty() ? nullptr : g_lastError.c_str();
}

} // extern "C"
