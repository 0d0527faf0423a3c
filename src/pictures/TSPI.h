#pragma once

#include "SpiLibrary.h"
#include "spi/SpiAbi.h"

#include <QString>
#include <QStringList>
#include <memory>

enum class TSPIClass { SPI, LoaderSPI, InSPI, AmSPI, XnSPI };

// One loaded plug-in library: its version, description, filters and entry points.
class TSPI {
public:
    TSPI() = default;
    virtual ~TSPI() = default;
    TSPI(const TSPI&) = delete;
    TSPI& operator=(const TSPI&) = delete;

    // Loads the library, looks up the entry points, runs the API check and
    // reads the plug-in information. ESPIFOpenErrorSPI or ESPIInvalidAPI on failure.
    void Open(const QString& fileName);

    virtual TSPIClass Class() const { return TSPIClass::SPI; }
    // True for this class and the classes it derives from.
    virtual bool InheritsFrom(TSPIClass c) const { return c == TSPIClass::SPI; }

    const QString& ModuleFileName() const { return m_moduleFileName; }
    const QString& APIVersion() const { return m_apiVersion; }
    const QString& Description() const { return m_description; }
    const QStringList& Filters() const { return m_filters; }
    const QStringList& FormatDescriptions() const { return m_formatDescriptions; }
    // True when one of the filters names the extension (with or without its dot).
    bool NamesExtension(const QString& extension) const;

    SpiGetPluginInfo GetPluginInfo = nullptr;
    void* ConfigurationDlg = nullptr;
    SpiIsSupported IsSupported = nullptr;
    SpiGetPictureInfo GetPictureInfo = nullptr;
    SpiGetPicture GetPicture = nullptr;
    void* GetPreview = nullptr;
    void* GetArchiveInfo = nullptr;
    void* GetFileInfo = nullptr;
    void* GetFile = nullptr;

protected:
    // Raises ESPIInvalidAPI for the first required entry point that is absent.
    virtual void CheckAPI() const;
    void Require(const void* entry, const char* name) const;

private:
    QString Info(int number) const;

    SpiLibrary m_library;
    QString m_moduleFileName;
    QString m_apiVersion;
    QString m_description;
    QStringList m_filters;
    QStringList m_formatDescriptions;
};

class TLoaderSPI : public TSPI {
public:
    TSPIClass Class() const override { return TSPIClass::LoaderSPI; }
    bool InheritsFrom(TSPIClass c) const override {
        return c == TSPIClass::LoaderSPI || TSPI::InheritsFrom(c);
    }

protected:
    void CheckAPI() const override;
};

// A picture importer, API version "00IN".
class TInSPI : public TLoaderSPI {
public:
    TSPIClass Class() const override { return TSPIClass::InSPI; }
    bool InheritsFrom(TSPIClass c) const override {
        return c == TSPIClass::InSPI || TLoaderSPI::InheritsFrom(c);
    }

protected:
    void CheckAPI() const override;
};

// An archive extractor, API version "00AM".
class TAmSPI : public TLoaderSPI {
public:
    TSPIClass Class() const override { return TSPIClass::AmSPI; }
    bool InheritsFrom(TSPIClass c) const override {
        return c == TSPIClass::AmSPI || TLoaderSPI::InheritsFrom(c);
    }

protected:
    void CheckAPI() const override;
};

// API version "00XN".
class TXnSPI : public TSPI {
public:
    TSPIClass Class() const override { return TSPIClass::XnSPI; }
    bool InheritsFrom(TSPIClass c) const override {
        return c == TSPIClass::XnSPI || TSPI::InheritsFrom(c);
    }
};

// The plug-in object of the class its API version asks for, or nullptr when
// the file cannot be loaded or lacks an entry point its class requires.
std::unique_ptr<TSPI> CreatePluginFromFile(const QString& fileName);

// The extensions a filter names: each ";"-separated item after its last ".".
QStringList FilterExtensions(const QString& filter);

// Text that a plug-in hands over: UTF-8 when it is valid UTF-8, else Shift_JIS.
QString DecodePluginText(const QByteArray& bytes);
