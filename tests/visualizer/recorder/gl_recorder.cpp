#include "gl_recorder.h"

#include "toge.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <initializer_list>

struct GLUquadric {
    int serial;
};

struct TogeDevice {};
struct TogeContext {};

namespace glrecord {
namespace {

struct State {
    std::vector<Call> calls;
    int failFrom = 0;
    int newQuadricCalls = 0;
    int created = 0;
    int deleted = 0;
    std::vector<GLUquadric*> live;
};

State& state()
{
    static State s;
    return s;
}

void record(std::string name, std::initializer_list<double> args)
{
    state().calls.push_back({std::move(name), std::vector<double>(args)});
}

} // namespace

void reset()
{
    for (GLUquadric* q : state().live)
        delete q;
    state() = State{};
}

const std::vector<Call>& calls()
{
    return state().calls;
}

std::vector<Call> callsNamed(std::string_view name)
{
    std::vector<Call> out;
    for (const Call& c : state().calls)
        if (c.name == name)
            out.push_back(c);
    return out;
}

std::size_t count(std::string_view name)
{
    return static_cast<std::size_t>(
        std::count_if(state().calls.begin(), state().calls.end(),
                      [name](const Call& c) { return c.name == name; }));
}

void failQuadricsFrom(int n)
{
    state().failFrom = n;
}
int quadricsCreated()
{
    return state().created;
}
int quadricsDeleted()
{
    return state().deleted;
}

MatrixBalance matrixBalance()
{
    MatrixBalance b;
    int depth = 0;
    for (const Call& c : state().calls) {
        if (c.name == "glPushMatrix") {
            ++b.pushes;
            b.deepest = std::max(b.deepest, ++depth);
        } else if (c.name == "glPopMatrix") {
            ++b.pops;
            if (--depth < 0)
                b.neverBelowStart = false;
        }
    }
    return b;
}

std::vector<DrawnShape> shapes()
{
    std::vector<DrawnShape> out;
    std::array<double, 4> diffuse{0.8, 0.8, 0.8, 1.0}; // GL's initial front diffuse
    // One transform list per open push level; level 0 is outside any push.
    std::vector<std::vector<Transform>> levels(1);
    std::vector<bool> coloured(1, false);
    DrawnShape polygon{};
    bool inPolygon = false;
    const auto shapeHere = [&](DrawnShape::Kind kind, std::vector<double> params) {
        DrawnShape s{kind,
                     std::move(params),
                     {},
                     diffuse,
                     coloured.back(),
                     levels.back(),
                     static_cast<int>(levels.size()) - 1};
        return s;
    };
    for (const Call& c : state().calls) {
        const auto& a = c.args;
        if (c.name == "glPushMatrix") {
            levels.emplace_back();
            coloured.push_back(false);
        } else if (c.name == "glPopMatrix") {
            if (levels.size() > 1) {
                levels.pop_back();
                coloured.pop_back();
            }
        } else if (c.name == "glLoadIdentity") {
            levels.back().clear();
        } else if (c.name == "glTranslatef") {
            levels.back().push_back(translate(a[0], a[1], a[2]));
        } else if (c.name == "glRotatef") {
            levels.back().push_back(rotate(a[0], a[1], a[2], a[3]));
        } else if (c.name == "glScalef") {
            levels.back().push_back(scale(a[0], a[1], a[2]));
        } else if (c.name == "glMaterialfv" && a[0] == GL_FRONT && a[1] == GL_DIFFUSE) {
            diffuse = {a[2], a[3], a[4], a[5]};
            coloured.back() = true;
        } else if (c.name == "gluSphere") {
            out.push_back(shapeHere(DrawnShape::Kind::sphere, {a[0], a[1], a[2]}));
        } else if (c.name == "gluDisk") {
            out.push_back(shapeHere(DrawnShape::Kind::disk, {a[0], a[1], a[2], a[3]}));
        } else if (c.name == "gluCylinder") {
            out.push_back(shapeHere(DrawnShape::Kind::cylinder, {a[0], a[1], a[2], a[3], a[4]}));
        } else if (c.name == "glBegin") {
            polygon = shapeHere(DrawnShape::Kind::polygon, {});
            inPolygon = true;
        } else if (c.name == "glNormal3d" && inPolygon) {
            polygon.params = {a[0], a[1], a[2]};
        } else if (c.name == "glVertex3d" && inPolygon) {
            polygon.vertices.push_back({a[0], a[1], a[2]});
        } else if (c.name == "glEnd" && inPolygon) {
            out.push_back(polygon);
            inPolygon = false;
        }
    }
    return out;
}

} // namespace glrecord

using glrecord::record;

namespace {
double d(GLenum e)
{
    return static_cast<double>(e);
}
double d(GLfloat f)
{
    return static_cast<double>(f);
}
double d(GLint i)
{
    return static_cast<double>(i);
}
double d(GLboolean b)
{
    return static_cast<double>(b);
}
} // namespace

// The GL and GLU entry points the renderer uses.
extern "C" {

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    record("glViewport", {d(x), d(y), d(width), d(height)});
}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a)
{
    record("glClearColor", {d(r), d(g), d(b), d(a)});
}
void glClear(GLbitfield mask)
{
    record("glClear", {d(mask)});
}
void glMatrixMode(GLenum mode)
{
    record("glMatrixMode", {d(mode)});
}
void glLoadIdentity()
{
    record("glLoadIdentity", {});
}
void glPushMatrix()
{
    record("glPushMatrix", {});
}
void glPopMatrix()
{
    record("glPopMatrix", {});
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    record("glTranslatef", {d(x), d(y), d(z)});
}
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z)
{
    record("glRotatef", {d(angle), d(x), d(y), d(z)});
}
void glScalef(GLfloat x, GLfloat y, GLfloat z)
{
    record("glScalef", {d(x), d(y), d(z)});
}
void glEnable(GLenum cap)
{
    record("glEnable", {d(cap)});
}
void glDisable(GLenum cap)
{
    record("glDisable", {d(cap)});
}
void glBlendFunc(GLenum source, GLenum destination)
{
    record("glBlendFunc", {d(source), d(destination)});
}
void glDepthMask(GLboolean flag)
{
    record("glDepthMask", {d(flag)});
}
void glLightfv(GLenum light, GLenum pname, const GLfloat* p)
{
    record("glLightfv", {d(light), d(pname), d(p[0]), d(p[1]), d(p[2]), d(p[3])});
}
void glLightModelf(GLenum pname, GLfloat param)
{
    record("glLightModelf", {d(pname), d(param)});
}
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* p)
{
    if (pname == GL_SHININESS)
        record("glMaterialfv", {d(face), d(pname), d(p[0])});
    else
        record("glMaterialfv", {d(face), d(pname), d(p[0]), d(p[1]), d(p[2]), d(p[3])});
}
void glBegin(GLenum mode)
{
    record("glBegin", {d(mode)});
}
void glEnd()
{
    record("glEnd", {});
}
void glNormal3d(GLdouble x, GLdouble y, GLdouble z)
{
    record("glNormal3d", {x, y, z});
}
void glVertex3d(GLdouble x, GLdouble y, GLdouble z)
{
    record("glVertex3d", {x, y, z});
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar)
{
    record("gluPerspective", {fovy, aspect, zNear, zFar});
}
void gluLookAt(GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx, GLdouble cy, GLdouble cz,
               GLdouble ux, GLdouble uy, GLdouble uz)
{
    record("gluLookAt", {ex, ey, ez, cx, cy, cz, ux, uy, uz});
}
GLUquadric* gluNewQuadric()
{
    auto& s = glrecord::state();
    ++s.newQuadricCalls;
    if (s.failFrom > 0 && s.newQuadricCalls >= s.failFrom) {
        record("gluNewQuadric", {0.0});
        return nullptr;
    }
    ++s.created;
    auto* q = new GLUquadric{s.newQuadricCalls};
    s.live.push_back(q);
    record("gluNewQuadric", {1.0});
    return q;
}
void gluDeleteQuadric(GLUquadric* q)
{
    auto& s = glrecord::state();
    const auto it = std::find(s.live.begin(), s.live.end(), q);
    record("gluDeleteQuadric", {it == s.live.end() ? -1.0 : 1.0});
    if (it == s.live.end())
        return;
    s.live.erase(it);
    delete q;
    ++s.deleted;
}
void gluSphere(GLUquadric* q, GLdouble radius, GLint slices, GLint stacks)
{
    record("gluSphere", {radius, d(slices), d(stacks), q == nullptr ? 0.0 : 1.0});
}
void gluDisk(GLUquadric* q, GLdouble inner, GLdouble outer, GLint slices, GLint loops)
{
    record("gluDisk", {inner, outer, d(slices), d(loops), q == nullptr ? 0.0 : 1.0});
}
void gluCylinder(GLUquadric* q, GLdouble base, GLdouble top, GLdouble height, GLint slices,
                 GLint stacks)
{
    record("gluCylinder", {base, top, height, d(slices), d(stacks), q == nullptr ? 0.0 : 1.0});
}

} // extern "C"

// The stand-in binding of the render surface.
namespace {
TogeContext recordedContext;
} // namespace

bool Toge::attach(TogeDevice* device)
{
    dc = device;
    return true;
}

bool Toge::createContext()
{
    glContext = &recordedContext;
    return true;
}

bool Toge::present()
{
    record("present", {});
    return true;
}

Toge::~Toge() = default;
